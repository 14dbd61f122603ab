#pragma once
#include <windows.h>

#include "framework/DCView.h"

// Owns a device context made for its holder, such as a memory context
// (DeleteDC in the destructor); movable, not copyable. Same words as
// UniqueHandle; as a DCView it draws.
class CDC : public DCView {
public:
    CDC() = default;
    ~CDC();
    CDC(CDC&& other) noexcept;
    CDC& operator=(CDC&& other) noexcept;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL CreateCompatibleDC(HDC compatibleWith);
    void Attach(HDC newDC);
    HDC Detach();
    BOOL Destroy();
};
