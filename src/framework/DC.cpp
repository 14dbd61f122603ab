#include "framework/DC.h"

#include <utility>

CDC::~CDC()
{
    Destroy();
}

CDC::CDC(CDC&& other) noexcept : DCView(other.Detach())
{
}

CDC& CDC::operator=(CDC&& other) noexcept
{
    if (this != &other)
        Attach(other.Detach());
    return *this;
}

BOOL CDC::CreateCompatibleDC(HDC compatibleWith)
{
    HDC created = ::CreateCompatibleDC(compatibleWith);
    Attach(created);
    return created != nullptr;
}

void CDC::Attach(HDC newDC)
{
    Destroy();
    dc = newDC;
}

HDC CDC::Detach()
{
    return std::exchange(dc, nullptr);
}

BOOL CDC::Destroy()
{
    HDC old = Detach();
    return old && ::DeleteDC(old);
}
