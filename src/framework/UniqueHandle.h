#pragma once
#include <utility>

#include <windows.h>

// Every handle has an owning type, which frees it in its destructor
// (movable, not copyable), and a non-owning view: the raw handle, or a view
// class with the handle's operations (DCView, MenuView, WndView). An owner
// converts to its view. One word per operation, for every owner:
//
//   GetSafeHandle()        the handle, null when none (a window's: GetSafeHwnd)
//   Attach(handle)         takes ownership, freeing what was owned (a window
//                          object refuses while it has a window); TRUE when a
//                          handle is owned now
//   Detach()               gives ownership up and returns the handle
//   Destroy()              frees the handle now; TRUE when one was freed (a
//                          window object: DestroyWindow)
//   Create...(), Load...() make a handle and Attach it; TRUE on success
//
// Functions that take ownership take the owning type; functions that make a
// handle for their caller return it.

// A handle as a view: what an owner holds and hands out.
template <typename H>
class HandleView {
public:
    HandleView() = default;
    // Any handle of the type is a view.
    HandleView(H handle) : handle(handle) {}

    H GetSafeHandle() const { return handle; }
    operator H() const { return handle; }

protected:
    H handle = nullptr;
};

// Owns one handle of type H and frees it with Free, a function of the handle
// that answers non-zero on success. View is the view the owner is: the
// handle itself, or a view class derived from HandleView<H>.
template <typename H, auto Free, typename View = HandleView<H>>
class UniqueHandle : public View {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : View(handle) {}
    ~UniqueHandle() { Destroy(); }
    UniqueHandle(UniqueHandle&& other) noexcept : View(other.Detach()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    BOOL Attach(H newHandle)
    {
        Destroy();
        this->handle = newHandle;
        return newHandle != nullptr;
    }
    H Detach() { return std::exchange(this->handle, nullptr); }
    BOOL Destroy()
    {
        H old = Detach();
        return old && Free(old);
    }
};
