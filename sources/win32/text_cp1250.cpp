// Widening of code page 1250 text for the wide Windows calls.
#include "sources/win32/text_cp1250.h"

namespace {

std::wstring Widen(UINT codePage, const char* text)
{
    if (!text || !*text) return std::wstring();
    int length = MultiByteToWideChar(codePage, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

}  // namespace

std::wstring Cp1250ToWide(const char* text) { return Widen(1250, text); }

std::wstring AnsiToWide(const std::string& text) { return Widen(CP_ACP, text.c_str()); }

std::wstring Utf8ToWide(const std::string& text) { return Widen(CP_UTF8, text.c_str()); }

std::string WideToAnsi(const std::wstring& wide, bool* lossy)
{
    if (lossy) *lossy = false;
    if (wide.empty()) return std::string();
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0, "?", &usedDefault);
    if (length <= 1) return std::string();
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, &narrow[0], length, "?", &usedDefault);
    narrow.resize(static_cast<size_t>(length - 1));
    if (lossy) *lossy = usedDefault != FALSE;
    return narrow;
}

int MessageBoxCp1250(HWND owner, const char* text, const char* caption, UINT type)
{
    return MessageBoxW(owner, Cp1250ToWide(text).c_str(), Cp1250ToWide(caption).c_str(), type);
}

BOOL SetDlgItemTextCp1250(HWND dialog, int control, const char* text)
{
    return SetDlgItemTextW(dialog, control, Cp1250ToWide(text).c_str());
}
