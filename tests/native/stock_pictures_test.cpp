#include <gtest/gtest.h>

#include "ui/stock_pictures.h"

namespace {

TEST(StockPictures, PartnerNames)
{
    EXPECT_EQ(PartnerBitmapName("EU07_1"), "EU07_2");
    EXPECT_EQ(PartnerBitmapName("EU07_2"), "EU07_1");
    EXPECT_EQ(PartnerBitmapName("wagon_09"), "wagon_10");
    EXPECT_EQ(PartnerBitmapName("wagon_10"), "wagon_09");
    EXPECT_EQ(PartnerBitmapName("x_9"), "x_10");
    EXPECT_EQ(PartnerBitmapName("x_0001"), "x_0002");
    EXPECT_EQ(PartnerBitmapName("a_b_3"), "a_b_4");
    EXPECT_EQ(PartnerBitmapName("_5"), "_6");
    EXPECT_EQ(PartnerBitmapName("x_999999999"), "x_1000000000");
    for (const char* none : {"x_0", "x_00", "x_", "12345", "", "EP09", "SM42", "x_1a", "x_1000000000",
                             "x_123456789012345678901234567890"})
        EXPECT_EQ(PartnerBitmapName(none), "") << none;
    EXPECT_EQ(PartnerBitmapName(nullptr), "");
}

// A 10 x 10 picture with a pattern that is not symmetric, and its mirror.
Pixels24 Pattern(int32_t width, int32_t height)
{
    Pixels24 p;
    p.width = width;
    p.height = height;
    p.bytes.assign(static_cast<size_t>(height) * Stride24(width), 0xEE);  // padding too
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            for (int32_t c = 0; c < 3; ++c)
                p.bytes[y * Stride24(width) + 3 * x + c] = static_cast<uint8_t>((x * 37 + y * 11 + c * 50) % 256);
    return p;
}

Pixels24 Mirrored(const Pixels24& p)
{
    Pixels24 m = p;
    const int32_t stride = Stride24(p.width);
    for (int32_t y = 0; y < p.height; ++y)
        for (int32_t x = 0; x < p.width; ++x)
            for (int32_t c = 0; c < 3; ++c)
                m.bytes[y * stride + 3 * (p.width - 1 - x) + c] = p.bytes[y * stride + 3 * x + c];
    return m;
}

// Makes the first `count` pixels of b differ strongly from a's mirror.
void Spoil(Pixels24& b, int32_t count)
{
    for (int32_t i = 0; i < count; ++i) {
        uint8_t* px = &b.bytes[(i / b.width) * Stride24(b.width) + 3 * (i % b.width)];
        px[0] = static_cast<uint8_t>(px[0] ^ 0x80);
    }
}

TEST(StockPictures, MirrorImageToleratesUnderEightPercent)
{
    const Pixels24 a = Pattern(10, 10);
    Pixels24 b = Mirrored(a);
    EXPECT_TRUE(IsMirrorImage(a, b));
    EXPECT_FALSE(IsMirrorImage(a, a));
    Spoil(b, 7);
    EXPECT_TRUE(IsMirrorImage(a, b));
    b = Mirrored(a);
    Spoil(b, 8);
    EXPECT_FALSE(IsMirrorImage(a, b));
}

TEST(StockPictures, SmallChannelDifferencesCountAsEqual)
{
    Pixels24 a = Pattern(3, 1);  // stride 12: three bytes of padding
    for (auto& v : a.bytes)
        v = 100;
    Pixels24 b = a;
    b.bytes[0] = 130;
    b.bytes[1] = 130;
    b.bytes[2] = 130;  // differs by exactly 90 in sum
    EXPECT_TRUE(IsMirrorImage(a, b));
    b.bytes[2] = 131;  // 91: one pixel of three differs
    EXPECT_FALSE(IsMirrorImage(a, b));
    b = a;
    b.bytes[9] = 0;    // padding is not a pixel
    EXPECT_TRUE(IsMirrorImage(a, b));
}

TEST(StockPictures, MirrorTestRefusesUnusablePictures)
{
    const Pixels24 a = Pattern(10, 10);
    EXPECT_FALSE(IsMirrorImage(a, Pattern(10, 9)));
    EXPECT_FALSE(IsMirrorImage(a, Pattern(9, 10)));
    EXPECT_FALSE(IsMirrorImage(Pixels24{}, Pixels24{}));
    Pixels24 shortBuffer = Mirrored(a);
    shortBuffer.bytes.resize(shortBuffer.bytes.size() - 1);
    EXPECT_FALSE(IsMirrorImage(a, shortBuffer));
    EXPECT_EQ(Stride24(1), 4);
    EXPECT_EQ(Stride24(4), 12);
    EXPECT_EQ(Stride24(5), 16);
}

}  // namespace
