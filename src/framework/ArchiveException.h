#pragma once
#include <stdexcept>

// Thrown by CArchive when a value runs past the end of the data.
class CArchiveException : public std::runtime_error {
public:
    CArchiveException() : std::runtime_error("archive: end of data") {}
};
