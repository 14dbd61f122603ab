#include "DebugOutput.h"

#include <mutex>

namespace {

const DWORD kPrintException = 0x40010006;  // DBG_PRINTEXCEPTION_C

std::mutex linesLock;
std::vector<std::string> lines;

LONG CALLBACK Collect(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD& record = *info->ExceptionRecord;
    // A wide form, where the system raises one, is followed by this narrow one.
    if (record.ExceptionCode == kPrintException && record.NumberParameters >= 2) {
        std::lock_guard<std::mutex> hold(linesLock);
        lines.emplace_back(reinterpret_cast<const char*>(record.ExceptionInformation[1]));
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

}

DebugOutput::DebugOutput() : handler(::AddVectoredExceptionHandler(1, Collect))
{
    std::lock_guard<std::mutex> hold(linesLock);
    lines.clear();
}

DebugOutput::~DebugOutput()
{
    ::RemoveVectoredExceptionHandler(handler);
}

std::vector<std::string> DebugOutput::Lines() const
{
    std::lock_guard<std::mutex> hold(linesLock);
    return lines;
}
