#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "model/depot.h"

namespace {

Depot MakeDepot(int32_t capacity, int32_t repairSteps, int32_t preparationSteps)
{
    Depot depot;
    depot.Param(kDepotParamCapacity, capacity);
    depot.Param(kDepotParamRepairSteps, repairSteps);
    depot.Param(kDepotParamPreparationSteps, preparationSteps);
    depot.Param(kDepotParamRepairsAtOnce, 1);
    return depot;
}

void AddLoco(Depot& depot, int32_t type, int32_t number, int32_t operational = 1)
{
    VehicleSlot slot;
    slot.Fill(0, type, kKindDieselLoco, number, operational, 0, 0);
    slot.Serviced(0);
    ASSERT_EQ(depot.Add(slot), kDepotOk);
    EXPECT_TRUE(slot.IsEmpty());
}

// "type.number:status/countdown" of every listed entry, in depot order.
std::string Listing(Depot& depot)
{
    const DepotStats& stats = depot.Stats();
    std::string text;
    for (int32_t i = 0; i < stats.listed; ++i) {
        const DepotListing& row = stats.table[static_cast<size_t>(i)];
        text += (i ? " " : "") + std::to_string(row.entry->slot.Type()) + "." +
                std::to_string(row.entry->slot.Number()) + ":" + std::to_string(row.status) +
                "/" + std::to_string(row.countdown);
    }
    return text;
}

std::filesystem::path TempDir()
{
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "semarion_depot_test";
    std::filesystem::create_directories(dir);
    return dir;
}

// A saved game's first two lines (version, 29-byte name field), then text.
std::string WriteSave(const char* name, const std::string& depotBlock, int32_t version = 6)
{
    const std::string path = (TempDir() / name).string();
    std::FILE* file = std::fopen(path.c_str(), "w");
    const char station[29] = "Zielona Gora.stc";
    std::fprintf(file, "%d\n", static_cast<int>(version));
    std::fwrite(station, 1, sizeof station, file);
    std::fputs("\n", file);
    std::fputs(depotBlock.c_str(), file);
    std::fclose(file);
    return path;
}

TEST(Depot, DamagedLocomotiveWaitsForTheRepairUnderWay)
{
    Depot depot = MakeDepot(4, 180, 28);
    AddLoco(depot, 7, 1, 0);
    for (int i = 0; i < 101; ++i) depot.Tick();
    AddLoco(depot, 7, 2, 0);
    for (int i = 0; i < 79; ++i) depot.Tick();
    EXPECT_EQ(Listing(depot), "7.1:2/1 7.2:1/180");
    depot.Tick();  // the first is repaired; the second still waits in this step
    EXPECT_EQ(Listing(depot), "7.1:3/0 7.2:1/180");
    EXPECT_EQ(depot.Stats().table[0].entry->slot.Operational(), 1);
    depot.Tick();
    EXPECT_EQ(Listing(depot), "7.1:3/0 7.2:2/180");
    const DepotStats& stats = depot.Stats();
    EXPECT_EQ(stats.waiting + stats.underRepair + stats.parked, 3);
}

TEST(Depot, ReadyLocomotivesLeaveOneAStepOntoAnEmptyExit)
{
    Depot depot = MakeDepot(4, 10, 2);
    VehicleSlot exit;
    depot.SetExitFree(1);
    AddLoco(depot, 5, 1);
    AddLoco(depot, 5, 2);
    depot.Release(5, -1);
    depot.Release(5, -1);
    depot.Tick();
    depot.Tick();
    EXPECT_EQ(Listing(depot), "5.1:4/0 5.2:4/0");  // no output slot yet: nothing leaves

    depot.SetOutputSlot(&exit);
    depot.Tick();
    EXPECT_EQ(Listing(depot), "5.2:4/0");
    EXPECT_EQ(exit.Number(), 1);
    EXPECT_EQ(exit.Serviced(), 1);
    depot.SetExitFree(1);  // a stale flag must not push one onto another
    depot.Tick();
    EXPECT_EQ(exit.Number(), 1);
    VehicleSlot away;
    away.MoveFrom(exit);
    depot.Tick();
    EXPECT_EQ(exit.Number(), 2);
    EXPECT_EQ(depot.Count(), 0);

    away.MoveFrom(exit);
    depot.Reset();  // the station's slot grid goes with a station load
    depot.Param(kDepotParamCapacity, 1);
    depot.Param(kDepotParamPreparationSteps, 1);
    AddLoco(depot, 5, 3);
    depot.Release(5, 3);
    depot.SetExitFree(1);
    depot.Tick();
    depot.Tick();
    EXPECT_EQ(depot.Count(), 1);
}

TEST(Depot, ListedByTypeTimes1000PlusNumberWhateverTheirSize)
{
    Depot depot = MakeDepot(8, 10, 10);
    AddLoco(depot, 3, 12);
    AddLoco(depot, 2, 40);
    AddLoco(depot, 3, 5);
    EXPECT_EQ(Listing(depot), "2.40:3/0 3.5:3/0 3.12:3/0");
    // A number of 1000 or more counts into the types above (2 x 1000 + 1500
    // comes after 3 x 1000 + 12); a key beyond a million still has its place.
    AddLoco(depot, 2, 1500);
    AddLoco(depot, 2000, 7);
    AddLoco(depot, 3, -4);
    EXPECT_EQ(Listing(depot), "2.40:3/0 3.-4:3/0 3.5:3/0 3.12:3/0 2.1500:3/0 2000.7:3/0");
}

TEST(Depot, ReleaseAndAddResults)
{
    Depot depot = MakeDepot(3, 50, 3);
    EXPECT_EQ(depot.Release(6, -1), kDepotTypeAbsent);
    AddLoco(depot, 6, 1, 0);
    depot.Tick();
    EXPECT_EQ(depot.Release(6, -1), kDepotNoneParked);  // only under repair
    AddLoco(depot, 8, 21);
    AddLoco(depot, 8, 20);
    EXPECT_EQ(depot.Release(8, 22), kDepotTypeAbsent);
    EXPECT_EQ(depot.Release(8, -1), kDepotOk);
    EXPECT_EQ(depot.Release(8, 20), kDepotNoneParked);
    EXPECT_EQ(Listing(depot), "6.1:2/50 8.20:5/3 8.21:3/0");

    VehicleSlot slot, empty;
    slot.Fill(0, 4, kKindSteamLoco, 1, 1, 0, 0);
    EXPECT_EQ(depot.Add(slot), kDepotFull);
    EXPECT_EQ(slot.Type(), 4);
    Depot none;
    EXPECT_EQ(none.Add(slot), kDepotFull);
    EXPECT_EQ(MakeDepot(1, 1, 1).Add(empty), kDepotNoVehicle);
}

TEST(Depot, CountdownsOfZeroOrBelowStillEnd)
{
    Depot depot = MakeDepot(2, -3, 0);
    AddLoco(depot, 4, 1, 0);
    AddLoco(depot, 4, 2);
    depot.Release(4, 2);
    EXPECT_EQ(Listing(depot), "4.1:1/1 4.2:5/1");
    depot.Tick();
    depot.Tick();
    EXPECT_EQ(Listing(depot), "4.1:3/0 4.2:4/0");

    Depot loaded;
    ASSERT_EQ(loaded.LoadFromSave(WriteSave("zero.sav", "2 2 2 0 0 0 0\n"
                                                        "4 0 6 1 0 0 0 0 0 2 0 7\n"
                                                        "4 0 6 2 1 0 0 0 0 5 -5 7\n")
                                      .c_str()),
              kDepotOk);
    loaded.Tick();
    EXPECT_EQ(Listing(loaded), "6.1:3/0 6.2:4/0");
}

TEST(Depot, ParamRefusesImpossibleCapacities)
{
    Depot depot = MakeDepot(3, 180, 28);
    EXPECT_EQ(depot.Param(kDepotParamRepairSteps, -1), 180);
    EXPECT_EQ(depot.Param(18, 5), -1);
    EXPECT_EQ(depot.Param(kDepotParamCapacity, -7), -1);
    EXPECT_EQ(depot.Param(kDepotParamCapacity, kDepotMaxCapacity + 1), -1);
    EXPECT_EQ(depot.Param(kDepotParamCapacity, -1), 3);
}

TEST(Depot, SaveAndLoadThroughARealFile)
{
    Depot depot = MakeDepot(5, 180, 1);
    AddLoco(depot, 3, 12);
    AddLoco(depot, 2, 40, 0);
    VehicleSlot unit;
    unit.Fill(9, 120, kKindElectricLoco, 77, 1, 0, kMotionRouted);
    ASSERT_EQ(depot.Add(unit), kDepotOk);
    // A turned light engine, of no timetable row any more.
    VehicleSlot light;
    light.Fill(-1, 4, kKindDieselLoco, 8, 1, 0, kMotionStanding);
    light.Turned(1);
    ASSERT_EQ(depot.Add(light), kDepotOk);
    depot.Release(3, 12);
    depot.Tick();
    depot.SetExitFree(1);
    const std::string path = WriteSave("round_trip.sav", "", kDepotTurnedFromVersion);
    ASSERT_EQ(depot.AppendToSave(path.c_str()), kDepotOk);
    std::FILE* file = std::fopen(path.c_str(), "a");
    std::fputs("0,0,0,\n", file);  // the tile states follow in a real save
    std::fclose(file);

    Depot loaded = MakeDepot(2, 1, 1);
    VehicleSlot exit;
    loaded.SetOutputSlot(&exit);
    ASSERT_EQ(loaded.LoadFromSave(path.c_str()), kDepotOk);
    EXPECT_EQ(loaded.Param(kDepotParamCapacity, -1), 5);
    EXPECT_EQ(loaded.Param(kDepotParamRepairSteps, -1), 180);
    EXPECT_EQ(Listing(loaded), "2.40:2/180 3.12:4/0 4.8:3/0 120.77:3/0");
    for (size_t i = 0; i < 4; ++i) {
        VehicleSlot& a = depot.Stats().table[i].entry->slot;
        VehicleSlot& b = loaded.Stats().table[i].entry->slot;
        EXPECT_EQ(b.Kind(), a.Kind());
        EXPECT_EQ(b.Train(), a.Train());
        EXPECT_EQ(b.Operational(), a.Operational());
        EXPECT_EQ(b.Motion(), a.Motion());
        EXPECT_EQ(b.Turned(), a.Turned());
    }
    EXPECT_EQ(loaded.Stats().table[2].entry->slot.Train(), -1);
    EXPECT_EQ(loaded.Stats().table[2].entry->slot.Turned(), 1);
    loaded.Tick();  // the saved exit flag lets the ready one out
    EXPECT_EQ(exit.Number(), 12);

    Depot coupled;
    ASSERT_EQ(coupled.LoadFromSave(
                  WriteSave("coupled.sav", "3 1 1 0 28 180 0\n4 5 6 301 1 1 0 0 0 3 0 7\n").c_str()),
              kDepotOk);
    EXPECT_EQ(Listing(coupled), "6.301:3/0");
    EXPECT_EQ(coupled.Stats().table[0].entry->slot.Coupled(), 0);
}

TEST(Depot, DamagedFilesAreRefusedAndTheDepotKept)
{
    const char* blocks[] = {
        "2 3 1 0 28 180 0\n4 0 6 1 1 0 0 0 0 3 0 7\n4 0 6 2 1 0 0 0 0 3 0 7\n"
        "4 0 6 3 1 0 0 0 0 3 0 7\n",                              // count above capacity
        "-1 0 1 0 28 180 0\n",                                    // negative capacity
        "2000000000 0 1 0 28 180 0\n",                            // huge capacity
        "3 -1 1 0 28 180 0\n",                                    // negative count
        "3 2 1 0 28 180 0\n4 0 6 1 1 0 0 0 0 3 0 7\n",            // a line missing
        "3 0 1\n",                                                // short header
        "",                                                       // no block at all
        "3 1 1 0 28 180 0\n4 0 x 1 1 0 0 0 0 3 0 7\n",            // not a number
        "3 1 1 0 28 180 0\n4 0 6 99999999999 1 0 0 0 0 3 0 7\n",  // too large
        "3 1 1 0 28 180 0\n4 0 0 1 1 0 0 0 0 3 0 7\n",            // empty slot
        "3 1 1 0 28 180 0\n4 0 6 1 1 0 0 0 0 3 0 6\n",            // free entry
        "3 1 1 0 28 180 0\n4 0 6 1 1 0 0 0 0 9 0 7\n",            // unknown status
        "3 1 1 0 28 180 0\n9 0 6 1 1 0 0 0 0 3 0 7\n",            // unknown kind
    };
    const char* turnedBlocks[] = {
        "3 1 1 0 28 180 0\n4 0 6 1 1 0 0 0 0 3 0 7\n",    // the turned flag missing
        "3 1 1 0 28 180 0\n4 0 6 1 1 0 0 0 0 3 0 7 2\n",  // turned 2
    };
    std::vector<std::pair<const char*, int32_t>> cases;
    for (const char* block : blocks) cases.emplace_back(block, 6);
    for (const char* block : turnedBlocks) cases.emplace_back(block, kDepotTurnedFromVersion);
    for (const auto& [block, version] : cases) {
        Depot depot = MakeDepot(2, 60, 6);
        AddLoco(depot, 4, 9);
        EXPECT_EQ(depot.LoadFromSave(WriteSave("damaged.sav", block, version).c_str()), kDepotBlockDamaged)
            << block;
        EXPECT_EQ(depot.Param(kDepotParamRepairSteps, -1), 60) << block;
        EXPECT_EQ(Listing(depot), "4.9:3/0") << block;
    }
    Depot depot;
    EXPECT_EQ(depot.LoadFromSave((TempDir() / "missing.sav").string().c_str()), kDepotFileError);
    EXPECT_EQ(depot.AppendToSave(TempDir().string().c_str()), kDepotFileError);  // a folder
    // A full device opens but takes no write (off Linux the path just does not open).
    EXPECT_EQ(depot.AppendToSave("/dev/full"), kDepotFileError);
}

}  // namespace
