#include <gtest/gtest.h>

#include "sources/win32/text_cp1250.h"

namespace {

TEST(CodePage, PolishLiteralsAreCp1250AndWidenRight)
{
    EXPECT_EQ(GetACP(), 1250u);
    const char text[] = "Dyżurny ruchu: łódź";
    EXPECT_EQ(static_cast<unsigned char>(text[2]), 0xBF);  // ż in CP1250
    std::wstring wide = Cp1250ToWide(text);
    ASSERT_EQ(wide.size(), 19u);
    EXPECT_EQ(wide[2], L'\u017C');
    EXPECT_EQ(wide[15], L'\u0142');
    EXPECT_EQ(wide[16], L'\u00F3');
    EXPECT_EQ(Cp1250ToWide(nullptr), L"");
    EXPECT_EQ(Cp1250ToWide(""), L"");
    EXPECT_EQ(AnsiToWide("C:\\Gry\\Żółw"), L"C:\\Gry\\\u017B\u00F3\u0142w");
}

TEST(CodePage, DialogItemTextsAreWidenedFromCp1250)
{
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent, nullptr);
    HWND item = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 80, 20, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(7)), nullptr, nullptr);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(SetDlgItemTextCp1250(parent, 7, "Żółw – ślimak"));
    wchar_t text[32] = {};
    GetWindowTextW(item, text, 32);
    EXPECT_STREQ(text, L"\u017B\u00F3\u0142w \u2013 \u015Blimak");
    EXPECT_TRUE(SetDlgItemTextCp1250(parent, 7, nullptr));
    EXPECT_EQ(GetWindowTextLengthW(item), 0);
    EXPECT_FALSE(SetDlgItemTextCp1250(parent, 8, "brak"));
    DestroyWindow(parent);
}

}  // namespace
