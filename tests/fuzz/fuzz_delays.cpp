// A delays file (".opoz") beside the timetable of a new Testowo game, read as
// the game starts in "today" mode and handed to the trains step by step.
#include <filesystem>

#include "fuzz_files.h"
#include "sources/delay_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string timetable = [] {
        const std::string path = fuzz::Folder() + "dzis.roz";
        std::filesystem::copy_file(fuzz::SampleTimetable("Testowo"), path,
                                   std::filesystem::copy_options::overwrite_existing);
        return path;
    }();
    fuzz::WriteInput("dzis.opoz", data, size);
    Game game;  // before the seed: a new timetable seeds the generator from the clock
    fuzz::Seed(1);
    if (game.NewGameFromTimetable(timetable.c_str()) != 0) std::abort();
    LoadDelaysFile(game, timetable, false);
    DelayDataAgeMinutes();
    game.clock.Step(30);
    for (int32_t i = 0; i < 300; ++i) {
        ApplyDueDelays(game);
        fuzz::Steps(game, 1);
    }
    EndDelayData(game);
    return 0;
}
