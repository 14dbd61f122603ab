#pragma once
#include "marc/CodePageDecoder.h"

// The Chinese code pages through the platform's converters.
class PlatformCodePages : public CodePageDecoder {
public:
    bool ToUtf8(unsigned codePage, const std::string& bytes, std::string& utf8) const override;
};
