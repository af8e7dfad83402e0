#include <gtest/gtest.h>

#include "ui/win32/text_cp1250.h"

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

}  // namespace
