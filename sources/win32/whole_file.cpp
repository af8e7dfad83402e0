// Reading and writing whole files with the wide Windows calls.
#include "sources/win32/whole_file.h"

#include <windows.h>

#include "sources/server_container.h"

namespace {

// Closes a file handle on every way out.
struct FileHandle {
    HANDLE handle;  ///< INVALID_HANDLE_VALUE when not open
    ~FileHandle()
    {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

}  // namespace

bool ReadWholeFileW(const std::wstring& path, std::string& bytes)
{
    FileHandle file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.handle, &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxFileBytes)
        return false;
    std::string read(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!read.empty() && !ReadFile(file.handle, &read[0], static_cast<DWORD>(read.size()), &got, nullptr))
        return false;
    if (got != read.size()) return false;
    bytes.swap(read);
    return true;
}

bool WriteWholeFileW(const std::wstring& path, const std::string& bytes)
{
    FileHandle file{
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) return false;
    if (bytes.empty()) return true;
    DWORD written = 0;
    return WriteFile(file.handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}
