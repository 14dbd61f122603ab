#include "listctrl/LocaleCollator.h"

#include <windows.h>

#include "framework/CodePage.h"

int LocaleCollate(const std::string& a, const std::string& b)
{
    // Converted first, so the order does not depend on the system code page.
    std::wstring wideA = MultiByteToWide(a);
    std::wstring wideB = MultiByteToWide(b);
    int result = ::CompareStringW(LOCALE_USER_DEFAULT, 0, wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                  static_cast<int>(wideB.size()));
    // 0 is a failure, which valid arguments never give: call it equal.
    return result == 0 ? 0 : result - CSTR_EQUAL;
}
