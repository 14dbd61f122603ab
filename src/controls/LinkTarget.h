#pragma once
#include <cstddef>

// A hover button's link target: code page 936 text in a fixed 260-byte
// buffer that always ends with a zero byte.
class LinkTarget {
public:
    static constexpr std::size_t kCapacity = 260;

    // Keeps at most 259 bytes and never the first byte of a double-byte
    // character without its second. Null clears the target.
    void Set(const char* text);
    const char* Get() const { return text; }
    bool Empty() const { return text[0] == '\0'; }

private:
    char text[kCapacity] = {};
};
