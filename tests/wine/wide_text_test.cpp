// The window-free conversions agree with the system's own.
#include <gtest/gtest.h>

#include <windows.h>

#include "sources/wide_text.h"

TEST(WideTextSystem, EveryCp1250ByteWidensAsTheSystemWidensIt)
{
    for (int byte = 1; byte < 256; ++byte) {
        const char text[2] = {static_cast<char>(byte), '\0'};
        wchar_t system[2] = {};
        ASSERT_EQ(MultiByteToWideChar(1250, 0, text, 1, system, 1), 1);
        EXPECT_EQ(WideFromCp1250(text), std::wstring(1, system[0])) << "byte " << byte;
    }
}

TEST(WideTextSystem, Utf8AgreesWithTheSystemBothWays)
{
    const std::wstring text = L"Łódź Kaliska – „Semarion” \U0001F682";
    char system[64] = {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, system, sizeof system, nullptr, nullptr);
    ASSERT_GT(length, 0);
    EXPECT_EQ(Utf8FromWide(text), std::string(system));
    std::wstring back;
    ASSERT_TRUE(WideFromUtf8(system, back));
    EXPECT_EQ(back, text);
}
