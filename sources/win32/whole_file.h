// Whole files in one call each, for the timetable server's requests.
#pragma once

#include <string>

// True when the whole file (at most 8 MiB) was read into bytes.
bool ReadWholeFileW(const std::wstring& path, std::string& bytes);
// Creates or truncates the file; true when all bytes were written.
bool WriteWholeFileW(const std::wstring& path, const std::string& bytes);
