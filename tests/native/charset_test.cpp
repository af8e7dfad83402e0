#include <gtest/gtest.h>

// Sources are UTF-8 and text at run time is CP1250: every Polish letter of a
// literal must be one CP1250 byte.
TEST(Charset, PolishLettersAreSingleCp1250Bytes)
{
    const char letters[] = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    const unsigned char expected[] = {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0x9F, 0xBF,
                                      0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF};
    ASSERT_EQ(sizeof letters, sizeof expected + 1);
    for (size_t i = 0; i < sizeof expected; ++i)
        EXPECT_EQ(static_cast<unsigned char>(letters[i]), expected[i]) << "letter " << i;
}
