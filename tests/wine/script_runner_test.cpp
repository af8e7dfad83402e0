// The script runner with real child processes: the test program itself stands
// in for the interpreters (python_stand_in.cpp) and runs the scripts with the
// host's Python, from a game folder of the test's own.
#include <gtest/gtest.h>

#include <windows.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/game.h"
#include "simulation/new_game.h"
#include "sources/delay_data.h"
#include "sources/script_runner.h"
#include "sources/station_catalogue.h"
#include "sources/win32/script_runner.h"
#include "sources/win32/text_cp1250.h"
#include "support/read_whole_file.h"
#include "ui/pacing.h"
#include "ui/startup.h"

namespace fs = std::filesystem;

namespace {

constexpr char kFailingScript[] = u8R"(import sys
sys.stdout.reconfigure(encoding="utf-8")
with open("uruchomienia.txt", "a") as runs:
    runs.write("raz\n")
print("Błąd: coś poszło źle")
sys.exit(1)
)";

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::string Utf8(const fs::path& path) { return path.u8string(); }

// A game folder with Testowo and the scripts; the interpreters a test puts on
// the program search path.
class ScriptRunnerTest : public testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        root_ = fs::path(temp) / (L"semarion_script_" + Utf8ToWide(Name()));
        fs::remove_all(root_);
        game_ = root_ / L"gra";
        fs::create_directories(game_ / L"narzedzia");
        fs::create_directories(game_ / L"Stacje" / L"Testowo");
        const fs::path sample = fs::path(SEMARION_FIXTURES).parent_path().parent_path() / "game";
        for (const char* name : {"Testowo.roz", "Testowo.stc"})
            fs::copy_file(sample / "Stacje" / "Testowo" / name, game_ / L"Stacje" / L"Testowo" / name);
        for (const char* name : {"rozklad_losowy.py", "rozklad_na_dzis.py", "wzorzec.py"})
            fs::copy_file(sample / "narzedzia" / name, game_ / L"narzedzia" / name);

        savedFolder_ = gGameFolder;
        gGameFolder = WideToAnsi(game_.wstring());
        wchar_t path[32767] = {};
        GetEnvironmentVariableW(L"PATH", path, 32767);
        savedPath_ = path;
    }

    void TearDown() override
    {
        SetEnvironmentVariableW(L"PATH", savedPath_.c_str());
        gGameFolder = savedFolder_;
        fs::remove_all(root_);
    }

    static std::string Name() { return testing::UnitTest::GetInstance()->current_test_info()->name(); }

    // The test program under each interpreter's name, each in a folder of its
    // own: copies, not links, so that they can be deleted while the test
    // program runs. Made once: Wine may mistake a new file for a deleted one
    // that had the same inode, and then not start it.
    static void SetUpTestSuite()
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        interpreters_ = fs::path(temp) / L"semarion_interpreters";
        fs::remove_all(interpreters_);
        for (const wchar_t* interpreter : kInterpreters) {
            fs::create_directories(interpreters_ / interpreter);
            ASSERT_TRUE(CopyFileW(OwnPath().c_str(), (interpreters_ / interpreter / interpreter).c_str(), TRUE))
                << GetLastError();
        }
    }

    static void TearDownTestSuite() { fs::remove_all(interpreters_); }

    // Puts the interpreter on the program search path.
    void Install(const wchar_t* interpreter) const
    {
        wchar_t path[32767] = {};
        GetEnvironmentVariableW(L"PATH", path, 32767);
        SetEnvironmentVariableW(L"PATH", ((interpreters_ / interpreter).wstring() + L";" + path).c_str());
    }

    void WriteScript(const wchar_t* name, const std::string& text) const
    {
        std::ofstream(game_ / L"narzedzia" / name, std::ios::binary) << text;
    }

    std::wstring Template() const { return (game_ / L"Stacje" / L"Testowo" / L"Testowo.roz").wstring(); }

    fs::path root_;            ///< everything the test writes
    fs::path game_;            ///< the game folder
    static fs::path interpreters_;  ///< a folder of each interpreter's stand-in
    std::string savedFolder_;  ///< gGameFolder before the test
    std::wstring savedPath_;   ///< PATH before the test
};

fs::path ScriptRunnerTest::interpreters_;

}  // namespace

TEST_F(ScriptRunnerTest, FictionalTimetableComesFromTheSecondInterpreterWhenTheFirstIsMissing)
{
    Install(L"python.exe");
    std::string log = "niezmieniony";
    const std::string result = RunTimetableScript(L"rozklad_losowy.py", Template(), log);

    const fs::path written = game_ / L"Stacje" / L"Testowo" / L"Testowo-losowy.roz";
    EXPECT_EQ(CompareStringOrdinal(Utf8ToWide(result).c_str(), -1, written.wstring().c_str(), -1, TRUE), CSTR_EQUAL)
        << result;
    EXPECT_EQ(log, "niezmieniony");
    EXPECT_EQ(ReadWholeFile(Utf8(written)), ReadWholeFile(Utf8(Template())));
    // The script's own timetables stay out of the stations' catalogue.
    BuildStationCatalogue(game_.wstring());
    ASSERT_EQ(gStationCatalogue.size(), 1u);
    EXPECT_EQ(gStationCatalogue[0].timetableCount, 1);
}

TEST_F(ScriptRunnerTest, TodayScriptNeedsTheKeyFileInTheGameFolder)
{
    Install(L"py.exe");
    std::string log;
    EXPECT_EQ(RunTimetableScript(L"rozklad_na_dzis.py", Template(), log), "");
    EXPECT_EQ(log, u8"Brak klucza API w pliku klucz-api.txt w katalogu gry.\n");

    std::ofstream(game_ / L"klucz-api.txt") << "abc123\n";
    log.clear();
    const std::time_t madeSince = std::time(nullptr);
    const std::string result = RunTimetableScript(L"rozklad_na_dzis.py", Template(), log);
    EXPECT_NE(result.find("Testowo-dzis.roz"), std::string::npos) << result << log;
    EXPECT_TRUE(fs::exists(game_ / L"Stacje" / L"Testowo" / L"Testowo-dzis.roz"));
    EXPECT_EQ(log, "");

    // Its delays file beside the timetable starts today's mode with real delays.
    const std::string timetable = WideToAnsi(Utf8ToWide(result));
    Game game;
    ASSERT_EQ(game.NewGameFromTimetable(timetable.c_str()), kNewGameStarted);
    LoadDelaysFile(game, timetable, ClockRealTimeOrSlower(), madeSince);
    EXPECT_TRUE(DelayDataLoaded());
    EXPECT_GT(DelayEntryCount(), 0u);
    EXPECT_GE(DelayDataAgeMinutes(), 0);
    EndDelayData(game);
}

TEST_F(ScriptRunnerTest, AScriptThatFailsAndSaysSoIsNotRetried)
{
    Install(L"py.exe");
    Install(L"python.exe");
    WriteScript(L"psuje.py", kFailingScript);
    std::string log;
    EXPECT_EQ(RunTimetableScript(L"psuje.py", Template(), log), "");
    EXPECT_EQ(log, u8"Błąd: coś poszło źle\n");
    // Run once, in the game folder.
    EXPECT_EQ(ReadWholeFile(Utf8(game_ / L"uruchomienia.txt")), "raz\n");
}

TEST_F(ScriptRunnerTest, TheLastResultLineCountsWithoutItsLineEnd)
{
    Install(L"python3.exe");
    WriteScript(L"dwa.py", "import sys\n"
                           "sys.stdout.write('PLIK: C:\\\\pierwszy.roz\\nPLIK: C:\\\\drugi rozklad.roz  \\r\\n')\n"
                           "sys.stdout.write('Gotowe, argument: ' + sys.argv[1] + '\\n')\n");
    std::string log = "niezmieniony";
    EXPECT_EQ(RunTimetableScript(L"dwa.py", Template(), log), "C:\\drugi rozklad.roz");
    EXPECT_EQ(log, "niezmieniony");

    // Success without a result line: the log is what it printed.
    WriteScript(L"bez.py", "print('Nic nie zapisalem')\n");
    EXPECT_EQ(RunTimetableScript(L"bez.py", Template(), log), "");
    EXPECT_EQ(log, "Nic nie zapisalem\n");
}

TEST_F(ScriptRunnerTest, SilenceOrNoInterpreterGivesThePythonMessage)
{
    std::string log;
    EXPECT_EQ(RunTimetableScript(L"rozklad_losowy.py", Template(), log), "");
    EXPECT_EQ(log, InterpreterFailureMessage(ERROR_FILE_NOT_FOUND, L"rozklad_losowy.py"));

    // Started, exit code 0 and not a word: no start failed, so code 0.
    Install(L"py.exe");
    WriteScript(L"cisza.py", "pass\n");
    EXPECT_EQ(RunTimetableScript(L"cisza.py", Template(), log), "");
    EXPECT_EQ(log, InterpreterFailureMessage(0, L"cisza.py"));
}

TEST_F(ScriptRunnerTest, ProcessOutputIsAppendedAndTheExitCodeDecides)
{
    Install(L"python.exe");
    WriteScript(L"kod.py", "import sys\nprint('wyjscie 3')\nsys.exit(3)\n");
    std::string output = "przed\n";
    DWORD error = 7;
    const std::wstring script = ScriptPath(game_.wstring(), L"kod.py");
    EXPECT_FALSE(RunProcessCapture(ScriptCommandLine(L"python.exe", script, L"x"), output, error));
    EXPECT_EQ(output, "przed\nwyjscie 3\n");
    EXPECT_EQ(error, 0u);

    EXPECT_FALSE(RunProcessCapture(L"nie_ma_takiego_programu.exe", output, error));
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(output, "przed\nwyjscie 3\n");
}
