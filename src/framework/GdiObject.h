#pragma once
#include <utility>

#include <windows.h>

// Owns one GDI object of type Handle and deletes it in the destructor. The
// raw handle is the non-owning view. Same words as UniqueHandle. An object must not be selected into a
// device context when it is deleted (ScopedSelect takes care of that).
template <class Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle handle) : handle(handle) {}
    ~CGdiObject() { Destroy(); }
    CGdiObject(CGdiObject&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other)
            Attach(std::exchange(other.handle, nullptr));
        return *this;
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    Handle GetSafeHandle() const { return handle; }
    operator Handle() const { return handle; }

    // Deletes the object owned so far.
    void Attach(Handle newHandle)
    {
        Destroy();
        handle = newHandle;
    }
    Handle Detach() { return std::exchange(handle, nullptr); }
    BOOL Destroy()
    {
        Handle old = Detach();
        return old && ::DeleteObject(old);
    }

protected:
    BOOL Replace(Handle created)
    {
        Attach(created);
        return created != nullptr;
    }

private:
    Handle handle = nullptr;
};
