#pragma once
#include <string>
#include <vector>

// The stored text form of a binary profile entry: two hex digits per byte,
// in order. False, with data unchanged, for an empty text or one that is not
// an even number of hex digits. Needs no Win32.
bool DecodeProfileBinary(const std::wstring& text, std::vector<unsigned char>& data);
