#include <gtest/gtest.h>

#include "ui/tile_pictures.h"

namespace {

int32_t TrackNumber(int32_t code, int32_t state)
{
    const TilePicture p = PictureForTile(code, state);
    return p.kind == TilePictureKind::kTrack ? p.number : -1;
}

TEST(TilePictures, MarkersByCode)
{
    for (int32_t code = 1; code <= 9; ++code) {
        const TilePicture p = PictureForTile(code, 0);
        EXPECT_EQ(p.kind, TilePictureKind::kDigit);
        EXPECT_EQ(p.number, code);
    }
    for (int32_t code = -1; code >= -37; --code) {
        const TilePicture p = PictureForTile(code, 2);
        EXPECT_EQ(p.kind, TilePictureKind::kLetter);
        EXPECT_EQ(p.number, -code);
    }
    for (int32_t code : {0, -38, -99, -100, -12345})
        EXPECT_EQ(PictureForTile(code, 0).kind, TilePictureKind::kNone) << code;
}

TEST(TilePictures, StatesPickTheVariant)
{
    // with catenary: free 2, locked and candidate 1, occupied and start 3
    EXPECT_EQ(TrackNumber(10, 0), 102);
    EXPECT_EQ(TrackNumber(10, 1), 101);
    EXPECT_EQ(TrackNumber(10, 2), 103);
    EXPECT_EQ(TrackNumber(10, 3), 101);
    EXPECT_EQ(TrackNumber(10, 4), 103);
    EXPECT_EQ(TrackNumber(78, 0), 782);
    // without catenary the last digit of the code is dropped and free is 7
    EXPECT_EQ(TrackNumber(100, 0), 107);
    EXPECT_EQ(TrackNumber(109, 0), 107);
    EXPECT_EQ(TrackNumber(535, 1), 531);
    EXPECT_EQ(TrackNumber(535, 3), 531);
    EXPECT_EQ(TrackNumber(789, 2), 783);
    EXPECT_EQ(TrackNumber(789, 4), 783);
}

TEST(TilePictures, CodesAndStatesWithoutPictureDrawNothing)
{
    for (int32_t code : {79, 85, 99, 790, 999, 2147483647})
        for (int32_t state = 0; state <= 4; ++state)
            EXPECT_EQ(TrackNumber(code, state), -1) << code << " " << state;
    for (int32_t state : {-1, 5, 100})
        EXPECT_EQ(TrackNumber(10, state), -1) << state;
}

TEST(TilePictures, EveryDrawnTrackPictureHasAResource)
{
    for (int32_t code = -200; code < 1000; ++code) {
        for (int32_t state = 0; state <= 4; ++state) {
            const TilePicture p = PictureForTile(code, state);
            if (p.kind == TilePictureKind::kTrack) {
                EXPECT_TRUE(TileEntryHasResource(p.number - kFirstTileNumber)) << code;
            }
        }
    }
}

TEST(TilePictures, ThumbnailShowsTheFreeTile)
{
    EXPECT_EQ(ThumbnailPicture(10).number, 102);
    EXPECT_EQ(ThumbnailPicture(105).number, 107);
    EXPECT_EQ(ThumbnailPicture(79).kind, TilePictureKind::kNone);
    EXPECT_EQ(ThumbnailPicture(790).kind, TilePictureKind::kNone);
    EXPECT_EQ(ThumbnailPicture(-37).kind, TilePictureKind::kLetter);
    EXPECT_EQ(ThumbnailPicture(-38).kind, TilePictureKind::kNone);
}

TEST(TilePictures, ResourcesAndKeys)
{
    int32_t withResource = 0;
    for (int32_t entry = 0; entry < kTileEntryCount; ++entry)
        withResource += TileEntryHasResource(entry) ? 1 : 0;
    EXPECT_EQ(withResource, 552);
    EXPECT_FALSE(TileEntryHasResource(0));    // 100
    EXPECT_TRUE(TileEntryHasResource(1));     // 101
    EXPECT_FALSE(TileEntryHasResource(9));    // 109
    EXPECT_TRUE(TileEntryHasResource(688));   // 788
    EXPECT_FALSE(TileEntryHasResource(689));  // 789
    EXPECT_FALSE(TileEntryHasResource(-1));
    EXPECT_FALSE(TileEntryHasResource(690));

    EXPECT_FALSE(IsKeyedOnOwnCorner(529));
    for (int32_t n = 530; n <= 539; ++n)
        EXPECT_TRUE(IsKeyedOnOwnCorner(n));
    EXPECT_FALSE(IsKeyedOnOwnCorner(540));

    EXPECT_EQ(EntryExitPictureNumber(1), 402);
    EXPECT_EQ(EntryExitPictureNumber(2), 412);
    EXPECT_EQ(EntryExitPictureNumber(3), 422);
    EXPECT_EQ(EntryExitPictureNumber(7), 422);
}

}  // namespace
