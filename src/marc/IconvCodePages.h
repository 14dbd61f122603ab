#pragma once
#include "marc/CodePageDecoder.h"

// The Chinese code pages through iconv, for the host build.
class IconvCodePages : public CodePageDecoder {
public:
    bool ToUtf8(unsigned codePage, const std::string& bytes, std::string& utf8) const override;
};
