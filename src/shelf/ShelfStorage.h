#pragma once
#include <cstddef>
#include <string>

// Why the shelf's file could not be used.
enum class ShelfFault {
    None,
    Locked,    // another program (another Quillfind) has it open
    ReadOnly,  // the file or its folder may not be written
    NoFolder,  // the folder does not exist
    DiskFull,
    Other,
};

// The shelf's file as the shelf uses it. Every operation that writes returns only once its bytes are on the
// disk (flushed), and reports a failure instead.
class ShelfStorage {
public:
    virtual ~ShelfStorage() = default;
    // Opens the file for reading and appending, made when missing, and holds it so that no other program
    // writes to it; contents is what it holds.
    virtual ShelfFault Open(std::string& contents) = 0;
    virtual void Close() = 0;
    // The whole file again, while open.
    virtual ShelfFault ReadAll(std::string& contents) = 0;
    // Appends bytes at size, where the file ends.
    virtual ShelfFault Append(std::size_t size, const std::string& bytes) = 0;
    // Cuts the file back to size.
    virtual ShelfFault Truncate(std::size_t size) = 0;
    // Writes bytes as PATH.torn, replacing an older one.
    virtual ShelfFault KeepTorn(const std::string& bytes) = 0;
    // Closed first: the file becomes PATH.bak, replacing an older one.
    virtual ShelfFault MoveAside() = 0;
};
