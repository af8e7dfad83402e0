// A timetable (".roz") as the program takes it: a new game is started on it
// beside the sample stations and, when it starts, runs for a while.
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = fuzz::WriteInput("plan.roz", data, size);
    Game game;  // before the seed: a new timetable seeds the generator from the clock
    fuzz::Seed(1);
    if (game.NewGameFromTimetable(path.c_str()) != 0) return 0;
    game.clock.Step(10);
    fuzz::Steps(game, 400);
    // A save of what ran must load back.
    const std::string save = fuzz::Folder() + "plan.sav";
    if (game.SaveGameState(save.c_str()) != 0 || Game().LoadGameState(save.c_str()) != 0) std::abort();
    return 0;
}
