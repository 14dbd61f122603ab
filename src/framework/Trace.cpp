#include "framework/Trace.h"

#include <exception>
#include <string>

#include "framework/CodePage.h"
#include "framework/InternetException.h"

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
        try {
            throw;
        } catch (const CInternetException& e) {
            AfxTrace(where, "CInternetException " + std::to_string(e.m_dwError));
        } catch (const std::exception& e) {
            AfxTrace(where, e.what());
        } catch (...) {
            AfxTrace(where, "unknown exception");
        }
    } catch (...) {
        // Out of memory while describing it: the trace is lost, nothing else.
    }
}
