#pragma once
#include <string>

#include "framework/KernelHandle.h"
#include "shelf/ShelfStorage.h"

// The shelf's file on the disk. While open it is shared for reading only, so a second program that wants to
// write it is refused; every write is flushed (FlushFileBuffers) before it is reported done.
class ShelfFile : public ShelfStorage {
public:
    explicit ShelfFile(std::wstring path);

    ShelfFault Open(std::string& contents) override;
    void Close() override;
    ShelfFault ReadAll(std::string& contents) override;
    ShelfFault Append(std::size_t size, const std::string& bytes) override;
    ShelfFault Truncate(std::size_t size) override;
    ShelfFault KeepTorn(const std::string& bytes) override;
    ShelfFault MoveAside() override;

private:
    const std::wstring path;
    KernelHandle file;
};

// Writes bytes as path: a temporary file beside it, flushed, then renamed into place, so that a failure
// leaves no half-written file and the old one as it was.
ShelfFault WriteWholeFile(const std::wstring& path, const std::string& bytes);

// The fault a system error code stands for.
ShelfFault FaultOfError(DWORD error);
