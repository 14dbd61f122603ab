#include "shelf/ShelfFile.h"

#include <algorithm>

namespace {

// One write or read at most this long: ReadFile and WriteFile take a DWORD.
constexpr std::size_t kChunk = 1u << 24;

ShelfFault LastFault()
{
    return FaultOfError(::GetLastError());
}

KernelHandle OpenFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition)
{
    HANDLE handle = ::CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return KernelHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool Seek(HANDLE file, std::size_t offset)
{
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    return ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != FALSE;
}

ShelfFault WriteAt(HANDLE file, std::size_t offset, const std::string& bytes)
{
    if (!Seek(file, offset))
        return LastFault();
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD want = static_cast<DWORD>(std::min(kChunk, bytes.size() - done));
        DWORD wrote = 0;
        if (!::WriteFile(file, bytes.data() + done, want, &wrote, nullptr))
            return LastFault();
        if (wrote == 0)
            return ShelfFault::DiskFull;
        done += wrote;
    }
    return ::FlushFileBuffers(file) ? ShelfFault::None : LastFault();
}

ShelfFault ReadWhole(HANDLE file, std::string& contents)
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file, &size) || !Seek(file, 0))
        return LastFault();
    contents.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    for (std::size_t done = 0; done < contents.size();) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min(kChunk, contents.size() - done));
        if (!::ReadFile(file, &contents[done], want, &got, nullptr))
            return LastFault();
        if (got == 0) {
            contents.resize(done);
            break;
        }
        done += got;
    }
    return ShelfFault::None;
}

}

ShelfFault FaultOfError(DWORD error)
{
    switch (error) {
    case ERROR_SUCCESS:
        return ShelfFault::None;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return ShelfFault::Locked;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return ShelfFault::ReadOnly;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return ShelfFault::NoFolder;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ShelfFault::DiskFull;
    default:
        return ShelfFault::Other;
    }
}

ShelfFile::ShelfFile(std::wstring path) : path(std::move(path))
{
}

ShelfFault ShelfFile::Open(std::string& contents)
{
    file = OpenFile(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS);
    if (!file)
        return LastFault();
    const ShelfFault read = ReadWhole(file, contents);
    if (read != ShelfFault::None)
        file.Destroy();
    return read;
}

void ShelfFile::Close()
{
    file.Destroy();
}

ShelfFault ShelfFile::ReadAll(std::string& contents)
{
    return file ? ReadWhole(file, contents) : ShelfFault::Other;
}

ShelfFault ShelfFile::Append(std::size_t size, const std::string& bytes)
{
    return file ? WriteAt(file, size, bytes) : ShelfFault::Other;
}

ShelfFault ShelfFile::Truncate(std::size_t size)
{
    if (!file)
        return ShelfFault::Other;
    if (!Seek(file, size) || !::SetEndOfFile(file) || !::FlushFileBuffers(file))
        return LastFault();
    return ShelfFault::None;
}

ShelfFault ShelfFile::KeepTorn(const std::string& bytes)
{
    return WriteWholeFile(path + L".torn", bytes);
}

ShelfFault ShelfFile::MoveAside()
{
    file.Destroy();
    const std::wstring backup = path + L".bak";
    if (!::MoveFileExW(path.c_str(), backup.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastFault();
    return ShelfFault::None;
}

ShelfFault WriteWholeFile(const std::wstring& path, const std::string& bytes)
{
    const std::wstring temporary = path + L".tmp";
    ShelfFault written;
    {
        KernelHandle out = OpenFile(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS);
        if (!out)
            return LastFault();
        written = WriteAt(out, 0, bytes);
    }
    if (written == ShelfFault::None &&
        !::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        written = LastFault();
    if (written != ShelfFault::None)
        ::DeleteFileW(temporary.c_str());
    return written;
}
