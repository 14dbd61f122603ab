#pragma once

// Code page 936: a byte from 0x81 to 0xFE starts a two-byte character.
inline bool IsLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}
