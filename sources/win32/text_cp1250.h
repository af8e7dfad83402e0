// Code page 1250 text at the wide Windows calls, and the system code page
// and UTF-8 conversions of paths and files.
#pragma once

#include <windows.h>

#include <string>

std::wstring Cp1250ToWide(const char* text);  // empty for null or empty text
std::wstring AnsiToWide(const std::string& text);  // from the system code page
std::wstring Utf8ToWide(const std::string& text);  // empty when it converts to nothing
// To the system code page, "?" for what it cannot hold; lossy (when given)
// tells whether that happened. Empty for empty text.
std::string WideToAnsi(const std::wstring& wide, bool* lossy = nullptr);
int MessageBoxCp1250(HWND owner, const char* text, const char* caption, UINT type);
BOOL SetDlgItemTextCp1250(HWND dialog, int control, const char* text);
