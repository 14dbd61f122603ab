#pragma once
#include <utility>

#include <windows.h>

// Owns a kernel object handle (thread, event, process); closes it in the destructor.
class KernelHandle {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE h) : handle(h) {}
    ~KernelHandle() { Close(); }
    KernelHandle(KernelHandle&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle = std::exchange(other.handle, nullptr);
        }
        return *this;
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

    HANDLE Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    void Close()
    {
        if (handle)
            ::CloseHandle(std::exchange(handle, nullptr));
    }

private:
    HANDLE handle = nullptr;
};
