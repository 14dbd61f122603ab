// Whether UTF-8 text survives the client's conversion to code page 936.
#pragma once

#include <string>

class GbkCheck {
public:
    // True when every character of the UTF-8 text has a GBK encoding.
    static bool representable(const std::string &utf8);
};
