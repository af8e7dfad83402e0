// Replacing a file with its draft in one step.
#include "sources/win32/draft_file.h"

#include <windows.h>

namespace {

// What was written reaches the disk before the draft takes the file's name:
// a rename that lands first could otherwise leave an empty file after a crash.
bool FlushToDisk(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(file) != FALSE;
    return CloseHandle(file) != FALSE && flushed;
}

}  // namespace

bool ReplaceWithDraft(const std::wstring& draft, const std::wstring& target, bool filled)
{
    if (filled && FlushToDisk(draft) &&
        MoveFileExW(draft.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(draft.c_str());
    return false;
}
