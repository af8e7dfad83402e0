// Code page 1250 and UTF-8 conversions of wide text.
#include "sources/wide_text.h"

namespace {

// Characters of the bytes 0x80..0xFF of code page 1250.
constexpr char16_t kCp1250High[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendWide(std::wstring& out, char32_t c)
{
    if (sizeof(wchar_t) == 2 && c >= 0x10000) {
        out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        out += static_cast<wchar_t>(c);
    }
}

// The character starting at text[i], advancing i; false when the bytes there
// are not a well-formed, shortest sequence of a character.
bool DecodeUtf8(const std::string& text, size_t& i, char32_t& c)
{
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                  : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || i + length > text.size()) return false;
    c = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return false;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) return false;
    i += length;
    return true;
}

// The code page 1250 byte of a character, "?" when the code page has none.
// The bytes it leaves undefined stand in the table above as the control
// characters 0x80..0x9F, which are no character of it either.
char Cp1250Byte(char32_t c)
{
    if (c < 0x80) return static_cast<char>(c);
    if (c < 0xA0) return '?';
    for (size_t i = 0; i < 128; ++i) {
        if (kCp1250High[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Well-formed UTF-8 with at least one byte of 0x80 or above (plain ASCII
// reads the same in either code).
bool IsUtf8BeyondAscii(const std::string& text)
{
    bool beyond = false;
    for (size_t i = 0; i < text.size();) {
        beyond = beyond || static_cast<unsigned char>(text[i]) >= 0x80;
        char32_t c;
        if (!DecodeUtf8(text, i, c)) return false;
    }
    return beyond;
}

}  // namespace

std::string DisplayableCp1250(const std::string& text)
{
    std::string shown;
    shown.reserve(text.size());
    const bool utf8 = IsUtf8BeyondAscii(text);
    for (size_t i = 0; i < text.size();) {
        char32_t c = static_cast<unsigned char>(text[i]);
        if (utf8) {
            DecodeUtf8(text, i, c);
        } else {
            ++i;
            if (c >= 0x80) c = kCp1250High[c - 0x80];
        }
        shown += Cp1250Byte(c);
    }
    return shown;
}

std::wstring WideFromCp1250(const std::string& text)
{
    std::wstring wide;
    wide.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        wide += static_cast<wchar_t>(byte < 0x80 ? byte : kCp1250High[byte - 0x80]);
    }
    return wide;
}

bool WideFromUtf8(const std::string& text, std::wstring& wide)
{
    wide.clear();
    for (size_t i = 0; i < text.size();) {
        char32_t c;
        if (!DecodeUtf8(text, i, c)) return false;
        AppendWide(wide, c);
    }
    return true;
}

std::string Utf8FromWide(const std::wstring& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c) || c > 0x10FFFF) {
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::filesystem::path FileSystemPath(const std::wstring& path)
{
    return std::filesystem::u8path(Utf8FromWide(path));
}
