#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "model/game.h"
#include "support/canvas.h"
#include "support/fresh_ui_state.h"
#include "support/read_whole_file.h"
#include "ui/settings.h"
#include "ui/startup.h"
#include "ui/stock_pictures.h"
#include "ui/win32/drawing.h"
#include "ui/win32/vehicle_pictures.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

std::string RepoTabor(const std::string& name)
{
    return std::string(SEMARION_FIXTURES) + "/../../game/Tabor/" + name + ".bmp";
}

// A game folder under the temporary folder whose "Tabor" holds copies of the
// game's own pictures, a picture cut short and one whose head claims a huge
// picture; TheGame() names its vehicle types.
class VehiclePictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        FreshUiState();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        savedFolder_ = gGameFolder;
        gGameFolder = std::string(temp) + "semarion_pictures_test";
        tabor_ = StockFolder(gGameFolder);
        Clear();
        CreateDirectoryA(gGameFolder.c_str(), nullptr);
        CreateDirectoryA(tabor_.c_str(), nullptr);
        for (const char* name : {"EU07_1", "EU07_2", "SM31", "SM42_1"}) Copy(name, name);
        Copy("SM31", "SM42_2");  // a partner of another size: not its mirror
        const std::string sm31 = ReadWholeFile(RepoTabor("SM31"));
        Write("Zepsuty", sm31.substr(0, sm31.size() / 2));
        std::string huge = sm31.substr(0, 200);
        for (size_t at : {18u, 22u}) std::memcpy(&huge[at], "\x00\x10\x00\x00", 4);  // 4096 x 4096
        Write("Olbrzym", huge);
        TheGame() = Game();
        ASSERT_TRUE(TheGame().CreateStationTables(10, 10, 0, 8, 0));
    }
    void TearDown() override
    {
        FreeRollingStockBitmaps();
        TheGame() = Game();
        Clear();
        gGameFolder = savedFolder_;
        gSettings = Settings();
    }
    void Copy(const char* from, const char* to)
    {
        ASSERT_TRUE(CopyFileA(RepoTabor(from).c_str(), (tabor_ + to + ".bmp").c_str(), FALSE)) << from;
    }
    void Write(const char* name, const std::string& bytes)
    {
        std::ofstream(tabor_ + name + ".bmp", std::ios::binary) << bytes;
    }
    void Clear()
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((tabor_ + "*.bmp").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do DeleteFileA((tabor_ + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(tabor_.c_str());
        RemoveDirectoryA(gGameFolder.c_str());
    }
    void NameTypes(const std::vector<const char*>& names)
    {
        for (size_t k = 0; k < names.size(); ++k)
            std::strncpy(TheGame().pictureNames[k + 1].data(), names[k], kPictureNameLength - 1);
        TheGame().timetable.VehicleTypeCount(static_cast<int32_t>(names.size()));
    }
    // A vehicle of `type` alone in slot 0 of `point`.
    void Place(int32_t point, int32_t type, int32_t kind, bool turned)
    {
        VehicleSlot* slot = TheGame().SlotAt(point, 0);
        slot->Fill(0, type, kind, 1, 1, 0, kMotionStanding);
        slot->Turned(turned ? 1 : 0);
    }

    std::string tabor_;
    std::string savedFolder_;
};

// The picture flipped left to right, pixel by pixel.
Pixels24 Flipped(const Pixels24& p)
{
    Pixels24 f = p;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            std::memcpy(&f.bytes[y * Stride24(p.width) + 3 * (p.width - 1 - x)],
                        &p.bytes[y * Stride24(p.width) + 3 * x], 3);
    return f;
}

// Whether the canvas shows `picture` at (x0, y0), pixel for pixel.
bool Shows(const Pixels24& canvas, int x0, int y0, const Pixels24& picture)
{
    if (picture.width < 1) return false;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (PixelAt(canvas, x0 + x, y0 + y) != PixelAt(picture, x, y)) return false;
    return true;
}

TEST_F(VehiclePictures, LoadingStopsAtTheFirstMissingOrDamagedPicture)
{
    std::string failed;
    NameTypes({"SM31", "SM31"});
    ASSERT_TRUE(LoadRollingStockBitmaps(failed));
    const HBITMAP kept[] = {GetVehicleBitmap(1, false), GetVehicleBitmap(2, false)};
    for (const char* bad : {"Brak", "Zepsuty", "Olbrzym", "", "..\\Tabor\\SM31"}) {
        NameTypes({"EU07_1", bad, "SM31"});
        EXPECT_FALSE(LoadRollingStockBitmaps(failed)) << bad;
        EXPECT_EQ(failed, bad);
        // The running game keeps its pictures, none of the new ones.
        EXPECT_EQ(GetVehicleBitmap(1, false), kept[0]) << bad;
        EXPECT_EQ(GetVehicleBitmap(2, false), kept[1]) << bad;
        EXPECT_EQ(GetVehicleBitmap(3, false), nullptr) << bad;
    }

    // A type without a picture draws nothing and adds no width.
    NameTypes({"EU07_1"});
    ASSERT_TRUE(LoadRollingStockBitmaps(failed));
    Place(0, 2, kKindElectricLoco, false);
    Place(1, 300, kKindCar, false);
    Place(2, 1, kKindElectricLoco, false);
    Canvas canvas(300, 50, kWhite);
    for (int32_t point : {0, 1, 5}) EXPECT_EQ(DrawVehicleStrip(canvas.Dc(), point, 0, 0, 0, false, 0, 1.0), 0);
    EXPECT_EQ(DrawVehicleStrip(canvas.Dc(), 2, 0, 0, 0, false, 0, 1.0), 88);
    const Pixels24 drawn = canvas.Pixels();
    for (int y = 0; y < 50; ++y)
        for (int x = 88; x < 300; ++x) ASSERT_EQ(PixelAt(drawn, x, y), kWhite) << x << "," << y;

    NameTypes({"EU07_1", "SM31"});
    EXPECT_TRUE(LoadRollingStockBitmaps(failed));
    EXPECT_EQ(GetVehicleBitmap(3, false), nullptr);  // the earlier game's types are gone
}

TEST_F(VehiclePictures, EveryTypeOfAFullTableLoadsAndNoneBeyond)
{
    std::vector<const char*> names(kLastPictureType, "SM31");
    NameTypes(names);
    std::string failed = "untouched";
    EXPECT_TRUE(LoadRollingStockBitmaps(failed));
    EXPECT_EQ(failed, "untouched");
    EXPECT_NE(GetVehicleBitmap(1, false), nullptr);
    EXPECT_NE(GetVehicleBitmap(kLastPictureType, false), nullptr);
    EXPECT_EQ(GetVehicleBitmap(kLastPictureType + 1, false), nullptr);
    EXPECT_EQ(GetVehicleBitmap(0, true), nullptr);
    EXPECT_EQ(GetMirroredVehicleBitmap(kLastPictureType + 1), nullptr);
}

TEST_F(VehiclePictures, ReversedPicturesComeFromAMirrorPartnerOrTheProgram)
{
    NameTypes({"EU07_1", "SM31", "SM42_1"});
    std::string failed;
    ASSERT_TRUE(LoadRollingStockBitmaps(failed));
    const Pixels24 eu07 = PixelsOf(GetVehicleBitmap(1, false));
    const Pixels24 sm31 = PixelsOf(GetVehicleBitmap(2, false));
    const Pixels24 sm42 = PixelsOf(GetVehicleBitmap(3, false));

    bool fromPartner = false;
    ScopedBitmap partner(LoadReversedBitmap(tabor_, "EU07_1", GetVehicleBitmap(1, false), &fromPartner));
    EXPECT_TRUE(fromPartner);
    ScopedBitmap own(LoadReversedBitmap(tabor_, "SM42_1", GetVehicleBitmap(3, false), &fromPartner));
    EXPECT_FALSE(fromPartner);  // SM42_2 here is another picture
    EXPECT_EQ(LoadReversedBitmap(tabor_, "SM31", nullptr, &fromPartner), nullptr);
    EXPECT_EQ(MirrorBitmap(nullptr), nullptr);

    const Pixels24 partnerFile = PixelsOf(ScopedBitmap(LoadPictureFile(tabor_ + "EU07_2.bmp")).Get());
    const Pixels24 eu07Reversed = PixelsOf(GetVehicleBitmap(1, true));
    EXPECT_EQ(eu07Reversed.bytes, partnerFile.bytes);
    EXPECT_NE(eu07Reversed.bytes, Flipped(eu07).bytes);  // its lettering reads the right way
    EXPECT_TRUE(IsMirrorImage(eu07, eu07Reversed));
    EXPECT_EQ(PixelsOf(GetVehicleBitmap(2, true)).bytes, Flipped(sm31).bytes);
    EXPECT_EQ(PixelsOf(GetVehicleBitmap(3, true)).bytes, Flipped(sm42).bytes);

    // Made once and kept until the pictures go.
    EXPECT_EQ(GetMirroredVehicleBitmap(2), GetMirroredVehicleBitmap(2));
    ClearMirroredBitmapCache();
    EXPECT_EQ(PixelsOf(GetMirroredVehicleBitmap(2)).bytes, Flipped(sm31).bytes);
    FreeRollingStockBitmaps();
    EXPECT_EQ(GetVehicleBitmap(2, true), nullptr);
}

// Locomotives as they stand and turned: the partner picture for EU07, the
// program's own mirror for SM31. Saved twice: at scale 1 on white, and at
// 1.5, keyed on white, over the cream of a coloured train pane.
TEST_F(VehiclePictures, StripsOfTurnedAndUnturnedLocomotives)
{
    NameTypes({"EU07_1", "SM31"});
    std::string failed;
    ASSERT_TRUE(LoadRollingStockBitmaps(failed));
    Place(0, 1, kKindElectricLoco, false);
    Place(1, 1, kKindElectricLoco, true);
    Place(2, 2, kKindDieselLoco, false);
    Place(3, 2, kKindDieselLoco, true);

    Canvas plain(200, 100, kWhite);
    for (int32_t point = 0; point < 4; ++point) {
        const int x = (point % 2) * 100, y = (point / 2) * 50;
        const int width = DrawVehicleStrip(plain.Dc(), point, 0, x, y, false, 0, 1.0);
        EXPECT_EQ(width, point < 2 ? 88 : 92) << point;
        EXPECT_EQ(DrawVehicleStrip(nullptr, point, 0, x, y, false, 0, 1.0), width) << point;
    }
    const Pixels24 drawn = plain.Pixels();
    const Pixels24 eu07 = PixelsOf(GetVehicleBitmap(1, false));
    const Pixels24 sm31 = PixelsOf(GetVehicleBitmap(2, false));
    EXPECT_TRUE(Shows(drawn, 0, 0, eu07));
    EXPECT_TRUE(Shows(drawn, 100, 0, PixelsOf(ScopedBitmap(LoadPictureFile(tabor_ + "EU07_2.bmp")).Get())));
    EXPECT_TRUE(Shows(drawn, 0, 50, sm31));
    EXPECT_TRUE(Shows(drawn, 100, 50, Flipped(sm31)));
    EXPECT_TRUE(plain.Save("strip_locomotives.bmp"));

    Canvas pane(300, 150, RGB(255, 236, 200));
    for (int32_t point = 0; point < 4; ++point)
        DrawVehicleStrip(pane.Dc(), point, 0, 8 + (point % 2) * 100, 8 + (point / 2) * 50, true, 10, 1.5);
    const Pixels24 scaled = pane.Pixels();
    EXPECT_EQ(PixelAt(scaled, 2, 14), RGB(255, 236, 200));  // the pictures' white is left out
    EXPECT_TRUE(pane.Save("strip_locomotives_scaled.bmp"));
}

TEST_F(VehiclePictures, WholeConsistsDrawTheTrainsComposition)
{
    // malinowo.roz names e4k, ezt3 and wagon; its train row 2 runs as 4 x wagon.
    ASSERT_GE(TheGame().timetable.LoadRoz((std::string(SEMARION_FIXTURES) + "/timetables/malinowo.roz").c_str(),
                                          TheGame().pictureNames),
              0);
    Copy("EU07_1", "e4k");
    Copy("EN57", "ezt3");
    Copy("B", "wagon");
    std::string failed;
    ASSERT_TRUE(LoadRollingStockBitmaps(failed)) << failed;
    TheGame().SlotAt(0, 0)->Fill(2, 3, kKindCar, 0, 1, 0, kMotionStanding);

    EXPECT_EQ(DrawVehicleStrip(nullptr, 0, 0, 0, 0, false, 0, 1.0), 136);
    gSettings.caleSklady = true;
    Canvas canvas(4 * 136 / 2, 20, kWhite);
    EXPECT_EQ(DrawVehicleStrip(canvas.Dc(), 0, 0, 0, 0, true, 0, 0.5), 4 * 136);
    const Pixels24 drawn = canvas.Pixels();
    int coloured = 0;  // columns that show some coach
    for (int x = 0; x < drawn.width; ++x) {
        bool any = false;
        for (int y = 0; y < drawn.height; ++y) any = any || PixelAt(drawn, x, y) != kWhite;
        coloured += any;
    }
    EXPECT_GT(coloured, drawn.width * 9 / 10);  // four coaches side by side
    EXPECT_TRUE(canvas.Save("strip_composition.bmp"));
}

}  // namespace
