// A station file (".stc"): loaded, asked about as the view and the routes
// ask, and, when it loads, a game of Testowo's timetable started and run on it.
#include <filesystem>

#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string timetable = [] {
        std::filesystem::create_directories(fuzz::Folder() + "stacja");
        const std::string path = fuzz::Folder() + "stacja/Testowo.roz";
        std::filesystem::copy_file(fuzz::SampleTimetable("Testowo"), path,
                                   std::filesystem::copy_options::overwrite_existing);
        return path;
    }();
    const std::string path = fuzz::WriteInput("stacja/Testowo.stc", data, size);
    Game game;
    if (game.LoadStationFile(path.c_str()) != 0) return 0;
    for (int32_t p = 0; p < game.PointCount(); ++p) {
        game.PointKind(p);
        game.PointFarEndTile(p);
        for (int32_t i = 0; i < 3; ++i) game.PointTileAt(p, i);
    }
    for (int32_t r = 0; r < game.GridRows(); ++r)
        for (int32_t c = 0; c < game.GridCols(); ++c) game.TileCode(r, c), game.TileState(r, c);
    fuzz::Seed(1);
    if (game.NewGameFromTimetable(timetable.c_str()) != 0) return 0;
    game.clock.Step(10);
    fuzz::Steps(game, 200);
    return 0;
}
