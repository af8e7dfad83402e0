// Reading the numbers, lines and characters of the program's data files.
#include <gtest/gtest.h>

#include <string>

#include "model/text_reader.h"
#include "roz_files.h"

namespace {

TextReader Open(const std::string& text)
{
    TextReader in;
    EXPECT_TRUE(in.Open(WriteTempFile("text_reader.txt", text).c_str()));
    return in;
}

TEST(TextReader, NumbersSkipTheirSeparators)
{
    TextReader in = Open("  12,-7;+3\n\t45,");
    int32_t v = 0;
    EXPECT_TRUE(in.Number(v, 1));
    EXPECT_EQ(v, 12);
    EXPECT_TRUE(in.Number(v, 1));
    EXPECT_EQ(v, -7);
    EXPECT_TRUE(in.Number(v, 0));
    EXPECT_EQ(v, 3);
    EXPECT_TRUE(in.NumberIn(v, 0, 45, 1));
    EXPECT_FALSE(in.Number(v, 1));  // nothing left
}

TEST(TextReader, RefusesWhatIsNoNumber)
{
    int32_t v = 1;
    EXPECT_FALSE(Open("abc").Number(v, 1));
    EXPECT_FALSE(Open("-").Number(v, 1));
    EXPECT_FALSE(Open("2147483648").Number(v, 1));
    EXPECT_FALSE(Open("99999999999999999999999").Number(v, 1));
    EXPECT_FALSE(Open("5").NumberIn(v, 6, 9, 1));
    EXPECT_TRUE(Open("-2147483648").Number(v, 1));
    EXPECT_EQ(v, INT32_MIN);
}

TEST(TextReader, CrLfCountsAsOneCharacter)
{
    TextReader in = Open("7,\r\nstacja\r\n8,\r\nAB\r\n");
    int32_t v = 0;
    std::string line;
    ASSERT_TRUE(in.Number(v, 2));
    ASSERT_TRUE(in.Line(line, 29));
    EXPECT_EQ(line, "stacja");
    ASSERT_TRUE(in.Number(v, 2));
    EXPECT_EQ(in.RawChar(), 'A');
    EXPECT_EQ(in.RawChar(), 'B');
    EXPECT_EQ(in.RawChar(), '\n');
    EXPECT_EQ(in.RawChar(), -1);
    EXPECT_EQ(Open("a\rb").RawChar(), 'a');  // a lone carriage return stays
}

TEST(TextReader, LinesAndCharacters)
{
    TextReader in = Open("krotka\nza dluga linia\n  X\n");
    std::string line;
    EXPECT_TRUE(in.Line(line, 6));
    EXPECT_EQ(line, "krotka");
    EXPECT_FALSE(in.Line(line, 6));
    in.Skip(100);
    EXPECT_EQ(in.PeekChar(), -1);

    TextReader chars = Open("  X Y\n");
    char c = 0;
    EXPECT_TRUE(chars.VisibleChar(c));
    EXPECT_EQ(c, 'X');
    EXPECT_TRUE(chars.VisibleChar(c));
    EXPECT_EQ(c, 'Y');
    EXPECT_FALSE(chars.VisibleChar(c));
    EXPECT_FALSE(TextReader().Open(WriteTempFile("", "").c_str()));  // a folder, not a file
}

}  // namespace
