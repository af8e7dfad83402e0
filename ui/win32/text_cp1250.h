// Code page 1250 text at the wide Windows calls.
#pragma once

#include <windows.h>

#include <string>

std::wstring Cp1250ToWide(const char* text);  // empty for null or empty text
std::wstring AnsiToWide(const std::string& text);  // from the system code page
int MessageBoxCp1250(HWND owner, const char* text, const char* caption, UINT type);
BOOL SetDlgItemTextCp1250(HWND dialog, int control, const char* text);
