// Route setting on Rozjazdowo: the candidate tracks, the choice of one, the
// path its head gets and the head that carries it.
#include <vector>

#include "route_station.h"
#include "simulation/move_validation.h"
#include "simulation/routes.h"
#include "testowo_game.h"

namespace {

class Routes : public RozjazdowoTest {
protected:
    // Two cars and a diesel locomotive at the east end of platform 1.
    VehicleSlot& DieselAtPlatform1()
    {
        PutVehicles(game, kRzPlatform1, 0, {{kRzCar}, {kRzCar}, {kRzDieselLoco}});
        for (TileCode t : {510, 511, 512}) SetTileStateAt(game, t, kTileOccupied);
        return SceneSlot(game, kRzPlatform1, 2);
    }

    static std::vector<TileCode> PathOf(const VehicleSlot& head)
    {
        std::vector<TileCode> path;
        for (uint32_t i = 0; i < head.PathLength(); ++i) path.push_back(head.PathAt(i));
        return path;
    }

    int32_t TilesInState(int32_t state) const
    {
        int32_t n = 0;
        for (int32_t r = 0; r < game.GridRows(); ++r)
            for (int32_t c = 0; c < game.GridCols(); ++c) n += game.TileState(r, c) == state;
        return n;
    }
};

std::vector<TileCode> Tiles(std::initializer_list<std::pair<TileCode, TileCode>> runs)
{
    std::vector<TileCode> tiles;
    for (auto [from, to] : runs)
        for (TileCode t = from; from <= to ? t <= to : t >= to; t += from <= to ? 1 : -1) tiles.push_back(t);
    return tiles;
}

TEST_F(Routes, MarksEveryFreeJoiningTrackAndItsStartTile)
{
    DieselAtPlatform1();
    EXPECT_EQ(game.RouteSelection(512, 539, false), kCandidatesMarked);
    EXPECT_EQ(TileStateAt(game, 512), kTileCandidateStart);
    for (TileCode t : {513, 520, 539, 620}) EXPECT_EQ(TileStateAt(game, t), kTileCandidate) << t;
    EXPECT_EQ(TileStateAt(game, 511), kTileOccupied);
    EXPECT_EQ(TileStateAt(game, 505), kTileFree);
    EXPECT_EQ(game.RouteSelection(kRouteReadStart, 0, false), 512);
    EXPECT_EQ(game.RouteSelection(kRouteReadEnd, 0, false), 539);
    EXPECT_EQ(game.RouteSelection(-5, 7, false), 1);
}

TEST_F(Routes, SharedTileIsAmbiguousAndTileOfOneTrackSetsIt)
{
    VehicleSlot& loco = DieselAtPlatform1();
    ASSERT_EQ(game.RouteSelection(512, 539, false), kCandidatesMarked);
    VehicleSlot* head = game.FindSlotForRoute(512, 539);
    ASSERT_EQ(head, &loco);

    EXPECT_EQ(game.SetRouteThroughTile(head, 513, false), kRouteAmbiguous);
    EXPECT_EQ(TileStateAt(game, 513), kTileCandidate);
    EXPECT_FALSE(head->HasPath());
    EXPECT_EQ(game.SetRouteThroughTile(head, 700, false), kRouteNotOnCandidate);
    EXPECT_STREQ(SetRouteRefusal(kRouteAmbiguous), "Wskazany punkt nie identyfikuje jednoznacznie trasy");
    EXPECT_STREQ(SetRouteRefusal(kRouteNotOnCandidate), "Wskazany punkt nie znajduje się na zaznaczanej trasie");

    EXPECT_EQ(game.SetRouteThroughTile(head, 620, false), kRouteSet);
    // The destination first, the tile under the head last.
    EXPECT_EQ(PathOf(*head), Tiles({{539, 525}, {624, 614}, {514, 512}}));
    EXPECT_EQ(head->Motion(), kMotionRouted);
    EXPECT_EQ(TileStateAt(game, 512), kTileOccupied);
    for (TileCode t : {513, 620, 530, 539}) EXPECT_EQ(TileStateAt(game, t), kTileLocked) << t;
    EXPECT_EQ(TileStateAt(game, 520), kTileFree);  // the other candidate is cleared
    EXPECT_EQ(TilesInState(kTileCandidate), 0);
}

TEST_F(Routes, ElectricHeadUsesOnlyTracksWithCatenary)
{
    PutVehicles(game, kRzPlatform1, 0, {{kRzCar}, {kRzElectricLoco}});
    SetTileStateAt(game, 512, kTileOccupied);
    ASSERT_EQ(game.RouteSelection(512, 539, true), kCandidatesMarked);
    EXPECT_EQ(TileStateAt(game, 620), kTileFree);
    VehicleSlot* head = game.FindSlotForRoute(512, 539);
    ASSERT_EQ(head, &SceneSlot(game, kRzPlatform1, 1));
    ASSERT_EQ(game.SetRouteThroughTile(head, 513, true), kRouteSet);
    EXPECT_EQ(PathOf(*head), Tiles({{539, 512}}));

    // Only tracks without catenary between platform 2 and the locomotive track.
    EXPECT_EQ(game.MarkRouteCandidates(712, 1020, true), kNoTrackJoins);
    EXPECT_STREQ(MarkRouteRefusal(game, kNoTrackJoins, 712, 1020, true),
                 "Tor bez sieci trakcyjnej - lokomotywa elektryczna tam nie wjedzie");
    EXPECT_STREQ(MarkRouteRefusal(game, kNoTrackJoins, 712, 1020, false), "Brak trasy między wskazanymi punktami");
    EXPECT_EQ(game.MarkRouteCandidates(712, 1020, false), kCandidatesMarked);
    // In reverse a track needs both flags.
    EXPECT_TRUE(game.PathExistsBetween(1030, 1020, false));
    EXPECT_FALSE(game.PathExistsBetween(1030, 1020, true));
    EXPECT_TRUE(game.PathExistsBetween(510, 501, true));
}

TEST_F(Routes, OneWayTrackIsNotUsedBackwards)
{
    EXPECT_TRUE(game.PathExistsBetween(712, 539, false));
    EXPECT_FALSE(game.PathExistsBetween(539, 712, false));
    EXPECT_EQ(game.MarkRouteCandidates(539, 712, false), kNoTrackJoins);
    EXPECT_STREQ(MarkRouteRefusal(game, kNoTrackJoins, 539, 712, true), "Brak trasy między wskazanymi punktami");
}

TEST_F(Routes, OccupiedOrLockedTilesBlockATrack)
{
    DieselAtPlatform1();
    SetTileStateAt(game, 530, kTileOccupied);  // on both tracks
    EXPECT_EQ(game.MarkRouteCandidates(512, 539, false), kAllTracksBlocked);
    EXPECT_STREQ(MarkRouteRefusal(game, kAllTracksBlocked, 512, 539, false),
                 "Trasa zajęta - inny przebieg blokuje te droge");
    EXPECT_EQ(TilesInState(kTileCandidate) + TilesInState(kTileCandidateStart), 0);

    SetTileStateAt(game, 530, kTileFree);
    SetTileStateAt(game, 620, kTileLocked);    // on the loop only
    SetTileStateAt(game, 539, kTileOccupied);  // the destination may be occupied
    EXPECT_EQ(game.MarkRouteCandidates(512, 539, false), kCandidatesMarked);
    EXPECT_EQ(TileStateAt(game, 520), kTileCandidate);
    EXPECT_EQ(TileStateAt(game, 615), kTileFree);
    EXPECT_EQ(TileStateAt(game, 539), kTileCandidate);
}

TEST_F(Routes, TrackWithoutEndMarkIsNeverOfferedNorLocked)
{
    // Tiles up to the last cell of the row, so its end cannot be found.
    GridRow<int32_t>* row = game.paths.Row(kRzEntryToPlatform1);
    for (uint32_t c = kPathFirstTile; c < kPathCells; ++c) *row->At(c) = 100 + static_cast<int32_t>(c);
    *row->At(kPathFirstTile) = 501;
    *row->At(kPathCells - 1) = 510;
    *row->At(kPathEndTile) = 510;
    EXPECT_FALSE(game.PathExistsBetween(501, 510, false));
    EXPECT_EQ(game.RouteSelection(501, 510, false), kNoTrackJoins);
    EXPECT_EQ(TilesInState(kTileCandidate) + TilesInState(kTileLocked), 0);
}

TEST_F(Routes, TrackUsedInReverseStillGivesTheDestinationFirst)
{
    SceneSlot(game, kRzDepot, 0).Fill(0, kRzDieselLoco, kKindDieselLoco, 0, 1, 0, kMotionStanding);
    SetTileStateAt(game, 1030, kTileOccupied);
    ASSERT_EQ(game.RouteSelection(1030, 1020, false), kCandidatesMarked);
    VehicleSlot* head = game.FindSlotForRoute(1030, 1020);
    ASSERT_EQ(head, &SceneSlot(game, kRzDepot, 0));
    ASSERT_EQ(game.SetRouteThroughTile(head, 1025, false), kRouteSet);
    EXPECT_EQ(PathOf(*head), Tiles({{1020, 1030}}));
}

TEST_F(Routes, ClearingDropsTheCandidatesButNotTheStartTile)
{
    DieselAtPlatform1();
    ASSERT_EQ(game.RouteSelection(512, 539, false), kCandidatesMarked);
    EXPECT_EQ(game.RouteSelection(kRouteClear, kRouteClear, false), 0);
    EXPECT_EQ(TilesInState(kTileCandidate), 0);
    EXPECT_EQ(TileStateAt(game, 512), kTileCandidateStart);
}

TEST_F(Routes, HeadIsTheFirstPoweredVehicleOfTheRunAtTheMovingEnd)
{
    // Towards lower columns from the first tile: up from slot 0 along the coupled run.
    PutVehicles(game, kRzPlatform1, 0, {{kRzCar}, {kRzElectricLoco}});
    EXPECT_EQ(game.FindSlotForRoute(510, 501), &SceneSlot(game, kRzPlatform1, 1));
    SceneSlot(game, kRzPlatform1, 0).Coupled(0);
    EXPECT_EQ(game.FindSlotForRoute(510, 501), nullptr);

    // From the third tile always down from slot 9, whatever the direction.
    PutVehicles(game, kRzPlatform2, 0, {{kRzDieselLoco}, {kRzCar}});
    EXPECT_EQ(game.FindSlotForRoute(712, 710), &SceneSlot(game, kRzPlatform2, 0));
    SceneSlot(game, kRzPlatform2, 0).Coupled(0);
    EXPECT_EQ(game.FindSlotForRoute(712, 710), nullptr);

    // A siding: the sub-track its slot 0 names.
    PutVehicles(game, kRzSubTrack2, 0, {{kRzDieselLoco}});
    EXPECT_EQ(game.FindSlotForRoute(920, 710), nullptr);
    SceneSlot(game, kRzSiding, 0).Link(kRzSubTrack2);
    EXPECT_EQ(game.FindSlotForRoute(920, 710), &SceneSlot(game, kRzSubTrack2, 0));

    EXPECT_EQ(game.FindSlotForRoute(505, 539), nullptr);  // no point there
}

// On the sample station: the tracks from platform 1's east end share their
// first tiles, but only one of them reaches the east exit.
TEST_F(TestowoGame, RoutesTheTurnedTrainToTheEastExit)
{
    EmptyRow(game, kStcPlatform1);
    PutVehicles(game, kStcPlatform1, 0, {{kTwCarB, kTwCarOfEu07}, {kTwEu07, 0, 8}});
    ASSERT_EQ(game.ValidateMove(414, 542, -1), nullptr);
    VehicleSlot* head = game.FindSlotForRoute(414, 542);
    ASSERT_EQ(head, game.SlotAt(kStcPlatform1, 1));
    ASSERT_EQ(game.RouteSelection(414, 542, head->IsElectric()), kCandidatesMarked);
    EXPECT_EQ(TileStateAt(game, 414), kTileCandidateStart);
    EXPECT_EQ(TileStateAt(game, 420), kTileCandidate);
    EXPECT_EQ(TileStateAt(game, 430), kTileFree);  // the track to the east entry
    EXPECT_EQ(game.SetRouteThroughTile(head, 420, true), kRouteSet);
    EXPECT_EQ(head->PathFirst(), 542);
    EXPECT_EQ(head->PathAt(15), 527);
    EXPECT_EQ(head->PathAt(16), 426);
    EXPECT_EQ(head->PathLast(), 414);
    EXPECT_EQ(head->PathLength(), 29u);
    EXPECT_EQ(TileStateAt(game, 414), kTileOccupied);
    EXPECT_EQ(TileStateAt(game, 530), kTileLocked);

    // Westwards the line has no catenary: the EU07 cannot go there.
    EXPECT_EQ(game.MarkRouteCandidates(412, 401, true), kNoTrackJoins);
    EXPECT_STREQ(MarkRouteRefusal(game, kNoTrackJoins, 412, 401, true),
                 "Tor bez sieci trakcyjnej - lokomotywa elektryczna tam nie wjedzie");
}

}  // namespace
