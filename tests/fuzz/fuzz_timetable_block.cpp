// The timetable's block of a saved game, read into the timetable of a running
// Testowo game from where the game part of the save ended: a refused block
// leaves the timetable as it was, a read one runs on.
#include "fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The version line of the save, then the block.
    const std::string path = fuzz::WriteInput("blok.sav", data, size);
    const std::string head(reinterpret_cast<const char*>(data), size);
    const size_t lineEnd = head.find('\n');
    const long position = lineEnd == std::string::npos ? 0 : static_cast<long>(lineEnd + 1);
    Game game;  // before the seed: a new timetable seeds the generator from the clock
    fuzz::Seed(1);
    if (game.NewGameFromTimetable(fuzz::SampleTimetable("Testowo").c_str()) != 0) std::abort();
    const std::string fresh = fuzz::Folder() + "blok_a.txt";
    std::remove(fresh.c_str());
    game.timetable.AppendToSave(fresh.c_str());
    if (game.timetable.LoadFromSave(position, path.c_str()) != 0) {
        const std::string after = fuzz::Folder() + "blok_b.txt";
        std::remove(after.c_str());
        game.timetable.AppendToSave(after.c_str());
        if (fuzz::ReadFile(after) != fuzz::ReadFile(fresh)) std::abort();
        return 0;
    }
    game.timetable.Update(game.Now());
    fuzz::Steps(game, 100);
    return 0;
}
