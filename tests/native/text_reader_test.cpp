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
    EXPECT_FALSE(TextReader().Open(testing::TempDir().c_str()));  // a folder, not a file
}

TEST(TextReader, ReadsFromAnOffsetAndTellsWhereItIsInTheFile)
{
    const std::string path = WriteTempFile("text_reader_offset.txt", "6,\r\nAB\r\n12,\r\n34,");
    TextReader in;
    ASSERT_TRUE(in.Open(path.c_str()));
    int32_t v = 0;
    ASSERT_TRUE(in.Number(v, 1));
    EXPECT_EQ(in.FilePosition(), 2u);  // before the CR LF, which counts two here
    in.RawChar();
    EXPECT_EQ(in.FilePosition(), 4u);
    std::string line;
    ASSERT_TRUE(in.Line(line, 9));
    const size_t block = in.FilePosition();
    EXPECT_EQ(block, 8u);

    TextReader from;
    ASSERT_TRUE(from.Open(path.c_str(), block));
    ASSERT_TRUE(from.Number(v, 1));
    EXPECT_EQ(v, 12);
    EXPECT_EQ(from.FilePosition(), 11u);
    ASSERT_TRUE(from.Number(v, 1));
    EXPECT_EQ(v, 34);
    EXPECT_EQ(from.FilePosition(), 16u);

    EXPECT_TRUE(from.Open(path.c_str(), 16));  // at the end: nothing left
    EXPECT_EQ(from.PeekChar(), -1);
    EXPECT_FALSE(from.Open(path.c_str(), 17));
}

TEST(TextReader, EntriesEndAtALineFeedOrTheirLength)
{
    TextReader in = Open(std::string("abc\nde\0fgh", 10));
    uint8_t entry[4] = {};
    EXPECT_EQ(in.Entry(entry, 4), 3);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(entry), 3), "abc");
    EXPECT_EQ(in.Entry(entry, 4), 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(entry), 4), std::string("de\0f", 4));
    EXPECT_EQ(in.Entry(entry, 4), -1);  // the text ends first
}

}  // namespace
