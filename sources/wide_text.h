// Wide text from code page 1250 and UTF-8, and back to UTF-8, without the
// system's help, for the window-free sources; file-system paths of wide text.
#pragma once

#include <filesystem>
#include <string>

// Each byte of code page 1250 text as its character; bytes the code page
// leaves undefined keep their own value, as the system's conversion does.
std::wstring WideFromCp1250(const std::string& text);

// Text from outside for a one-line display in code page 1250: well-formed
// UTF-8 with bytes of 0x80 and above is converted from UTF-8 first; every
// character or byte the code page cannot show becomes "?".
std::string DisplayableCp1250(const std::string& text);

// The characters of UTF-8 text into wide; false (wide unspecified) when the
// bytes are not well-formed UTF-8.
bool WideFromUtf8(const std::string& text, std::wstring& wide);

// UTF-8 bytes of wide text (UTF-16 on Windows, UTF-32 elsewhere); a lone
// surrogate becomes U+FFFD.
std::string Utf8FromWide(const std::wstring& text);

// The path of wide text for the standard library's files, given as UTF-8,
// which it takes on every system (wide text would follow the C locale
// outside Windows).
std::filesystem::path FileSystemPath(const std::wstring& path);
