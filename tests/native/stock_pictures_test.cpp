#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "model/game.h"
#include "roz_files.h"
#include "simulation/notify.h"
#include "simulation/pantographs.h"
#include "station_builder.h"
#include "ui/stock_pictures.h"

namespace {

std::string GameFile(const std::string& name)
{
    return std::string(SEMARION_FIXTURES) + "/../../game/" + name;
}

std::string ArtFile(const std::string& name)
{
    return std::string(SEMARION_FIXTURES) + "/../../ui/resources/art/" + name;
}

TEST(StockPictures, TypesAndTheTableBounds)
{
    EXPECT_FALSE(IsPictureType(0));
    EXPECT_TRUE(IsPictureType(1));
    EXPECT_TRUE(IsPictureType(299));
    EXPECT_FALSE(IsPictureType(300));
    EXPECT_FALSE(IsPictureType(-1));
    EXPECT_EQ(LastLoadedType(3), 3);
    EXPECT_EQ(LastLoadedType(299), 299);
    EXPECT_EQ(LastLoadedType(300), 299);
    EXPECT_EQ(LastLoadedType(std::numeric_limits<int32_t>::max()), 299);
    EXPECT_EQ(LastLoadedType(-5), 0);
    EXPECT_EQ(StockFolder("C:\\Gry\\Semarion"), "C:\\Gry\\Semarion\\Tabor\\");
}

TEST(StockPictures, OnlyPlainNamesArePictureFiles)
{
    for (const char* plain : {"EU07_1", "Ty2", "wagon z oknem", "Łódź.1"})
        EXPECT_TRUE(IsPlainPictureName(plain)) << plain;
    for (const char* other : {"", "..\\..\\secret", "\\\\server\\share\\x", "C:x", "a/b", "Tabor\\x"})
        EXPECT_FALSE(IsPlainPictureName(other)) << other;
}

TEST(StockPictures, PictureNamesStayInsideTheirEntry)
{
    PictureNameTable names{};
    std::strcpy(names[1].data(), "EU07_1");
    names[299].fill('x');  // no end mark
    names[0][0] = 'z';
    EXPECT_EQ(PictureName(names, 1), "EU07_1");
    EXPECT_EQ(PictureName(names, 2), "");
    EXPECT_EQ(PictureName(names, 299), std::string(49, 'x'));
    EXPECT_EQ(PictureName(names, 0), "");
    EXPECT_EQ(PictureName(names, 300), "");
    EXPECT_EQ(PictureName(names, -1), "");
}

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool UsableBytes(const std::string& bytes)
{
    const size_t head = std::min(bytes.size(), kBitmapHeadBytes);
    return IsUsableBitmapHead(reinterpret_cast<const uint8_t*>(bytes.data()), head, bytes.size());
}

void Put32(std::string& bytes, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

void Put16(std::string& bytes, size_t at, uint32_t v)
{
    bytes[at] = static_cast<char>(v & 0xFF);
    bytes[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

TEST(StockPictures, TheGamesOwnBitmapsAreUsable)
{
    for (const char* name : {"Tabor/EU07_1.bmp", "Tabor/EN57.bmp", "Tabor/A.bmp"})
        EXPECT_TRUE(IsUsableBitmapFile(GameFile(name))) << name;
    EXPECT_TRUE(IsUsableBitmapFile(ArtFile("TOR101.bmp")));  // 4 bits
    EXPECT_TRUE(IsUsableBitmapFile(ArtFile("SEMAFOR_DOL.bmp")));
    EXPECT_FALSE(IsUsableBitmapFile(GameFile("Tabor/missing.bmp")));
    EXPECT_FALSE(IsUsableBitmapFile(WriteTempFile("empty.bmp", "")));
    EXPECT_FALSE(IsUsableBitmapHead(nullptr, 0, 0));
}

TEST(StockPictures, DamagedBitmapHeadsAreRefused)
{
    const std::string good = FileBytes(GameFile("Tabor/SM31.bmp"));  // 8 bits, 40-byte info header
    ASSERT_GT(good.size(), kBitmapHeadBytes);
    ASSERT_TRUE(UsableBytes(good));

    struct Damage {
        const char* what;
        void (*apply)(std::string& bytes);
        bool usable;
    };
    const Damage damages[] = {
        {"pixels cut short", [](std::string& b) { b.resize(b.size() - 1); }, false},
        {"only the head", [](std::string& b) { b.resize(kBitmapHeadBytes); }, false},
        {"a few bytes", [](std::string& b) { b.resize(20); }, false},
        {"not BM", [](std::string& b) { b[0] = 'P'; }, false},
        {"width 0", [](std::string& b) { Put32(b, 18, 0); }, false},
        {"width too large", [](std::string& b) { Put32(b, 18, kMaxPictureSide + 1); }, false},
        {"height 0", [](std::string& b) { Put32(b, 22, 0); }, false},
        {"height of the most negative", [](std::string& b) { Put32(b, 22, 0x80000000u); }, false},
        {"top-down", [](std::string& b) { Put32(b, 22, static_cast<uint32_t>(-40)); }, true},
        {"two planes", [](std::string& b) { Put16(b, 26, 2); }, false},
        {"7 bits", [](std::string& b) { Put16(b, 28, 7); }, false},
        {"jpeg inside", [](std::string& b) { Put32(b, 30, 4); }, false},
        {"run-length 8", [](std::string& b) { Put32(b, 30, 1); }, true},
        {"run-length 4 on 8 bits", [](std::string& b) { Put32(b, 30, 2); }, false},
        {"300 colours", [](std::string& b) { Put32(b, 46, 300); }, false},
        {"16 colours", [](std::string& b) { Put32(b, 46, 16); }, true},
        {"pixels past the end", [](std::string& b) { Put32(b, 10, static_cast<uint32_t>(b.size())); }, false},
        {"pixels inside the header", [](std::string& b) { Put32(b, 10, 20); }, false},
        {"info header of 200 bytes", [](std::string& b) { Put32(b, 14, 200); }, false},
        {"info header of 20 bytes", [](std::string& b) { Put32(b, 14, 20); }, false},
    };
    for (const Damage& d : damages) {
        std::string bytes = good;
        d.apply(bytes);
        EXPECT_EQ(UsableBytes(bytes), d.usable) << d.what;
    }

    // A huge picture is refused from its head alone, before any pixel is read.
    std::string huge = good;
    Put32(huge, 18, kMaxPictureSide);
    Put32(huge, 22, kMaxPictureSide);
    EXPECT_FALSE(UsableBytes(huge));
}

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

// Testowo with vehicles on platform 1: a turned locomotive, a coach of train
// row 2 (whose composition is 4 of type 3 in malinowo.roz) and a multiple unit.
class StripOfSlot : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildTestowo(game_);
        ASSERT_GE(game_.timetable.LoadRoz(TimetableFixture("malinowo.roz").c_str(), game_.pictureNames), 0);
        Slot(0)->Fill(0, 1, kKindElectricLoco, 7, 1, 1, kMotionStanding);
        Slot(0)->Turned(1);
        Slot(1)->Fill(2, 3, kKindCar, 0, 1, 1, kMotionStanding);
        Slot(2)->Fill(1, 2, kKindElectricUnit, 0, 1, 0, kMotionStanding);
    }
    void TearDown() override
    {
        ResetPantographs();
        SetNotifyHooks(oldHooks_);
    }
    VehicleSlot* Slot(int32_t slot) { return game_.SlotAt(kTestowoPlatform1, slot); }

    Game game_;
    NotifyHooks oldHooks_ = kNoNotifyHooks;  ///< put back at the end
};

TEST_F(StripOfSlot, OneVehicleFacingAsTurnedAndAsItsPantographsSay)
{
    StripVehicles loco = VehiclesOfSlot(game_, kTestowoPlatform1, 0, false);
    EXPECT_TRUE(loco.mirrored);
    EXPECT_EQ(loco.types, std::vector<int32_t>{1});
    StripVehicles coach = VehiclesOfSlot(game_, kTestowoPlatform1, 1, false);
    EXPECT_FALSE(coach.mirrored);
    EXPECT_EQ(coach.types, std::vector<int32_t>{3});

    // The front pantograph raised turns it round once more.
    oldHooks_ = SetNotifyHooks({[] { return true; }, nullptr, nullptr, nullptr});
    ASSERT_EQ(TogglePantograph(game_, kTestowoPlatform1, 0), kPantographFront);
    EXPECT_FALSE(VehiclesOfSlot(game_, kTestowoPlatform1, 0, false).mirrored);
    EXPECT_FALSE(VehiclesOfSlot(game_, kTestowoPlatform1, 1, false).mirrored);
    ASSERT_EQ(TogglePantograph(game_, kTestowoPlatform1, 0), kPantographRear);
    EXPECT_TRUE(VehiclesOfSlot(game_, kTestowoPlatform1, 0, false).mirrored);

    EXPECT_EQ(VehiclesOfSlot(game_, kTestowoPlatform1, 3, false).types, std::vector<int32_t>{0});
    EXPECT_EQ(VehiclesOfSlot(game_, kTestowoPlatform1, 10, false).types, std::vector<int32_t>{0});
    EXPECT_EQ(VehiclesOfSlot(game_, -1, 0, false).types, std::vector<int32_t>{0});
}

TEST_F(StripOfSlot, WholeConsistsShowTheCompositionOfTrainCarriers)
{
    EXPECT_EQ(VehiclesOfSlot(game_, kTestowoPlatform1, 1, true).types, std::vector<int32_t>(4, 3));
    // A locomotive is drawn alone; a train without a composition draws nothing.
    EXPECT_EQ(VehiclesOfSlot(game_, kTestowoPlatform1, 0, true).types, std::vector<int32_t>{1});
    EXPECT_TRUE(VehiclesOfSlot(game_, kTestowoPlatform1, 2, true).types.empty());
}

TEST(StockPictures, SpritesAreScaledAndTruncated)
{
    SpritePlace p = PlaceSprite(88, 10, 78, 40, 0, 1.0);
    EXPECT_EQ(p.x, 88);
    EXPECT_EQ(p.y, 10);
    EXPECT_EQ(p.width, 78);
    EXPECT_EQ(p.height, 40);
    p = PlaceSprite(88, 10, 78, 40, 30, 1.35);  // 118.8, 13.5, 105.3, 54
    EXPECT_EQ(p.x, 118 - 30);
    EXPECT_EQ(p.y, 13);
    EXPECT_EQ(p.width, 105);
    EXPECT_EQ(p.height, 54);
    p = PlaceSprite(100, 0, 10, 10, 0, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.width, 0);
    p = PlaceSprite(100, 0, 10, 10, 0, 1e300);
    EXPECT_EQ(p.x, 2000000000);
}

}  // namespace
