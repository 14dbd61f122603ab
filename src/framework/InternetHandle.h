#pragma once
#include <utility>

#include <windows.h>
#include <wininet.h>

// Owns one WinINet handle; closes it in the destructor.
class InternetHandle {
public:
    InternetHandle() = default;
    explicit InternetHandle(HINTERNET h) : handle(h) {}
    ~InternetHandle() { Close(); }
    InternetHandle(InternetHandle&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    InternetHandle& operator=(InternetHandle&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle = std::exchange(other.handle, nullptr);
        }
        return *this;
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;

    HINTERNET Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    void Close()
    {
        if (handle)
            ::InternetCloseHandle(std::exchange(handle, nullptr));
    }

private:
    HINTERNET handle = nullptr;
};
