#pragma once
#include <utility>

#include <windows.h>

// Owns one handle and frees it with FreeFn in the destructor; movable, not
// copyable. GetSafeHandle() is the non-owning view.
//
// Every owning type of the framework uses the same words: GetSafeHandle()
// for the handle, Attach(h) takes ownership (freeing what was owned),
// Detach() gives it up and returns the handle, Destroy() frees it now.
template <typename H, BOOL(WINAPI* FreeFn)(H)>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : handle(h) {}
    ~UniqueHandle() { Destroy(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle(other.Detach()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    H GetSafeHandle() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    void Attach(H newHandle)
    {
        Destroy();
        handle = newHandle;
    }
    H Detach() { return std::exchange(handle, nullptr); }
    BOOL Destroy()
    {
        H old = Detach();
        return old && FreeFn(old);
    }

private:
    H handle = nullptr;
};
