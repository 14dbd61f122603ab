#include "ChildProcess.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
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

// Standard output as it arrives, so that a test can wait for a line.
class OutputWatch {
public:
    void Add(const char* data, DWORD size)
    {
        std::lock_guard<std::mutex> hold(mutex);
        text.append(data, size);
        grew.notify_all();
    }
    bool WaitForLine(std::chrono::seconds limit)
    {
        std::unique_lock<std::mutex> hold(mutex);
        return grew.wait_for(hold, limit, [this] { return text.find('\n') != std::string::npos; });
    }
    std::string Text()
    {
        std::lock_guard<std::mutex> hold(mutex);
        return text;
    }

private:
    std::mutex mutex;
    std::condition_variable grew;
    std::string text;
};

void Feed(HANDLE h, const std::string& input)
{
    DWORD written = 0;
    ::WriteFile(h, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
}

ChildResult Run(const std::string& commandLine, const std::string& first, const std::string* rest, bool* lineFirst)
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
    OutputWatch watch;
    std::thread outReader([&] {
        char buffer[4096];
        DWORD got = 0;
        while (::ReadFile(out.read, buffer, sizeof(buffer), &got, nullptr) && got > 0)
            watch.Add(buffer, got);
    });
    Feed(in.write, first);
    if (rest) {
        *lineFirst = watch.WaitForLine(std::chrono::seconds(30));
        Feed(in.write, *rest);
    }
    Pipe::Close(in.write);
    outReader.join();
    errReader.join();
    result.out = watch.Text();
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    ::GetExitCodeProcess(pi.hProcess, &result.exitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return result;
}

}

ChildResult RunChild(const std::string& commandLine, const std::string& input)
{
    return Run(commandLine, input, nullptr, nullptr);
}

ChildResult RunChildStreaming(const std::string& commandLine, const std::string& first, const std::string& rest,
                              bool* lineBeforeRest)
{
    return Run(commandLine, first, &rest, lineBeforeRest);
}
