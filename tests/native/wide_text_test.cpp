#include <gtest/gtest.h>

#include "sources/wide_text.h"

// The program's own literals are code page 1250 bytes: widened, they must be
// the letters the compiler read.
TEST(WideText, Cp1250LettersWidenToTheirCharacters)
{
    EXPECT_EQ(WideFromCp1250("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ"), L"ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    EXPECT_EQ(WideFromCp1250("„Łódź” – €, ©"), L"„Łódź” – €, ©");
    EXPECT_EQ(WideFromCp1250(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
    EXPECT_EQ(WideFromCp1250("\x81\x98"), L"\x81\x98");  // undefined bytes keep their value
}

TEST(WideText, Utf8FromWideEncodesEveryPlane)
{
    EXPECT_EQ(Utf8FromWide(L"Łódź"), u8"Łódź");
    EXPECT_EQ(Utf8FromWide(L"a€\U0001F682"), u8"a€\U0001F682");
    EXPECT_EQ(Utf8FromWide(std::wstring(1, static_cast<wchar_t>(0xD800)) + L"x"), u8"\uFFFDx");
    EXPECT_EQ(Utf8FromWide(L""), "");
}

TEST(WideText, Utf8IsDecodedOnlyWhenWellFormed)
{
    std::wstring wide;
    EXPECT_TRUE(WideFromUtf8(u8"Łódź Kaliska \U0001F682", wide));
    EXPECT_EQ(wide, L"Łódź Kaliska \U0001F682");
    EXPECT_EQ(Utf8FromWide(wide), u8"Łódź Kaliska \U0001F682");
    EXPECT_TRUE(WideFromUtf8("", wide));
    EXPECT_EQ(wide, L"");
    for (const char* bad : {"\xff", "\x81", "a\xc5", "\xc0\x80", "\xe0\x80\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                            "\xc5\x41"})
        EXPECT_FALSE(WideFromUtf8(bad, wide)) << bad;
}

// A server's text on a one-line display: no byte that code page 1250 leaves
// undefined reaches the screen, and UTF-8 is read as UTF-8.
TEST(WideText, OneLineDisplaysShowOnlyWhatCodePage1250Defines)
{
    EXPECT_EQ(DisplayableCp1250("B\x81\x83\x88\x90\x98" "d"), "B?????d");
    EXPECT_EQ(DisplayableCp1250("Błąd „serwera” – €"), "Błąd „serwera” – €");  // code page 1250 as it came
    EXPECT_EQ(DisplayableCp1250(u8"BŁĄD SERWERA: „Łódź” \u2603 \U0001F682"), "BŁĄD SERWERA: „Łódź” ? ?");
    EXPECT_EQ(DisplayableCp1250(u8"\u0081x\u0098"), "?x?");
    EXPECT_EQ(DisplayableCp1250("tylko ASCII\r\n"), "tylko ASCII\r\n");
}
