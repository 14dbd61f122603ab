#include "framework/Trace.h"

#include <exception>

#include "framework/CodePage.h"

void AfxTrace(const char* where, const std::string& what) noexcept
{
    try {
        ::OutputDebugStringW(MultiByteToWide(std::string(where) + ": " + what + "\n").c_str());
    } catch (...) {
        // Out of memory: the trace is lost, nothing else.
    }
}

void AfxTraceCaught(const char* where) noexcept
{
    try {
        throw;
    } catch (const std::exception& e) {
        AfxTrace(where, e.what());
    } catch (...) {
        AfxTrace(where, "unknown exception");
    }
}
