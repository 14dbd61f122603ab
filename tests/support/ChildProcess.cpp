#include "ChildProcess.h"

#include <thread>

#include <windows.h>

#include "framework/CodePage.h"

namespace {

struct Pipe {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    Pipe()
    {
        SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
        ::CreatePipe(&read, &write, &sa, 0);
    }
    ~Pipe()
    {
        Close(read);
        Close(write);
    }
    static void Close(HANDLE& h)
    {
        if (h)
            ::CloseHandle(h);
        h = nullptr;
    }
};

std::string Drain(HANDLE h)
{
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

}

ChildResult RunChild(const std::string& commandLine, const std::string& input)
{
    Pipe in, out, err;
    ::SetHandleInformation(in.write, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(out.read, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(err.read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = in.read;
    si.hStdOutput = out.write;
    si.hStdError = err.write;
    PROCESS_INFORMATION pi{};
    std::wstring cmd = MultiByteToWide(commandLine, CP_UTF8);
    ChildResult result;
    result.exitCode = 9999;
    if (!::CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
        return result;
    Pipe::Close(in.read);
    Pipe::Close(out.write);
    Pipe::Close(err.write);
    std::thread errReader([&] { result.err = Drain(err.read); });
    DWORD written = 0;
    ::WriteFile(in.write, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    Pipe::Close(in.write);
    result.out = Drain(out.read);
    errReader.join();
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    ::GetExitCodeProcess(pi.hProcess, &result.exitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return result;
}
