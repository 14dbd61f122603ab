#pragma once
#include <utility>

#include <windows.h>

// Owns one handle and closes it with CloseFn in the destructor; movable,
// not copyable. Get() is the non-owning view.
template <typename H, BOOL(WINAPI* CloseFn)(H)>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : handle(h) {}
    ~UniqueHandle() { Close(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Close();
            handle = std::exchange(other.handle, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    H Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    void Close()
    {
        if (handle)
            CloseFn(std::exchange(handle, nullptr));
    }

private:
    H handle = nullptr;
};
