// Shared by the fuzz harnesses: the fuzzer's bytes as a real file in a folder
// of this process's own, beside copies of the sample stations, as the
// program finds a timetable's or a save's station; and the game's steps as
// the main window's timer runs them.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "model/game.h"
#include "model/random.h"
#include "simulation/admission.h"

namespace fuzz {

// The process's folder, made once, with the sample stations' files in it.
inline const std::string& Folder()
{
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        // In memory where the system has it: the harnesses write a file every run.
        const fs::path temp = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        const fs::path dir = temp / ("semarion_fuzz_" + std::to_string(getpid()));
        fs::create_directories(dir);
        static const fs::path made = dir;
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(made, ignored);
        });
        for (const char* station : {"Testowo", "Tarninowo"})
            fs::copy_file(fs::path(SEMARION_GAME_FOLDER) / "Stacje" / station / (std::string(station) + ".stc"),
                          dir / (std::string(station) + ".stc"), fs::copy_options::overwrite_existing);
        return dir.string() + "/";
    }();
    return folder;
}

// Writes the bytes to name in the folder; returns the path.
inline std::string WriteInput(const std::string& name, const uint8_t* data, size_t size)
{
    const std::string path = Folder() + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A sample station's own timetable, in the game folder.
inline std::string SampleTimetable(const char* station)
{
    return std::string(SEMARION_GAME_FOLDER) + "/Stacje/" + station + "/" + station + ".roz";
}

// Seeds the game's generator; the first timetable of the process seeds it
// from the time, so one is made before.
inline void Seed(unsigned seed)
{
    static const Timetable first;
    SeedRandom(seed);
}

// Timer steps: the simulation step, then the admission, every train let on.
inline void Steps(Game& game, int32_t n)
{
    for (int32_t i = 0; i < n; ++i) {
        game.SimulationStep();
        for (int32_t asking = game.AdmitArrivingTrains(kFirstAsk, 0); asking >= 0;)
            asking = game.AdmitArrivingTrains(asking, kLetOntoLine);
    }
}

}  // namespace fuzz
