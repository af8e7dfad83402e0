// A saved game (".sav") loaded into a running Testowo game, as the program
// loads one: a refused save leaves the running game exactly as it was; a
// loaded one saves again, loads into a game of its own to the same bytes and
// runs on.
#include "fuzz_files.h"

namespace {

std::string Saved(Game& game, const std::string& path)
{
    if (game.SaveGameState(path.c_str()) != 0) std::abort();
    return fuzz::ReadFile(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Game running;
    static std::string before;
    Game reloaded;  // before the seed: a new timetable seeds the generator from the clock
    if (before.empty()) {
        fuzz::Seed(1);
        if (running.NewGameFromTimetable(fuzz::SampleTimetable("Testowo").c_str()) != 0) std::abort();
        fuzz::Steps(running, 600);
        before = Saved(running, fuzz::Folder() + "przed.sav");
    }
    const std::string path = fuzz::WriteInput("gra.sav", data, size);
    fuzz::Seed(1);
    if (running.LoadGameState(path.c_str(), SEMARION_GAME_FOLDER) != 0) {
        if (Saved(running, fuzz::Folder() + "po.sav") != before) std::abort();
        return 0;
    }
    const std::string once = Saved(running, fuzz::Folder() + "raz.sav");
    if (reloaded.LoadGameState((fuzz::Folder() + "raz.sav").c_str()) != 0) std::abort();
    if (Saved(reloaded, fuzz::Folder() + "dwa.sav") != once) std::abort();
    fuzz::Steps(running, 100);
    // The running game again, for the next input.
    if (running.LoadGameState((fuzz::Folder() + "przed.sav").c_str()) != 0) std::abort();
    return 0;
}
