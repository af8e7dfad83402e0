// The event log: its ring of 2000, the dropped repeat, the program's log that
// only a running game writes to, and the export to a real file.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "model/game.h"
#include "simulation/event_log.h"
#include "simulation/notify.h"
#include "station_files.h"

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path);  // text mode, as the file was written
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(EventLog, RepeatOfTheNewestIsDroppedWhateverItsTime)
{
    EventLog log;
    log.Add(900, "A");
    log.Add(1000, "A");
    log.Add(1001, "B");
    log.Add(1002, "A");
    log.Add(1003, "");
    log.Add(1004, nullptr);
    ASSERT_EQ(log.Count(), 3);
    EXPECT_EQ(log.Total(), 3);
    EXPECT_EQ(log.Get(0).time, 900);
    EXPECT_EQ(log.Get(2).text, "A");
    EXPECT_EQ(log.GetNewestFirst(0).time, 1002);
    EXPECT_EQ(log.GetNewestFirst(2).text, "A");
    for (int32_t i : {-1, 3}) {
        EXPECT_EQ(log.Get(i).time, 0);
        EXPECT_EQ(log.GetNewestFirst(i).text, "");
    }
}

TEST(EventLog, KeepsTheNewestTwoThousand)
{
    EventLog log;
    for (int32_t i = 0; i < kLogCapacity + 1; ++i) log.Add(i % 1440, std::to_string(i).c_str());
    EXPECT_EQ(log.Count(), kLogCapacity);
    EXPECT_EQ(log.Total(), kLogCapacity + 1);
    EXPECT_EQ(log.Get(0).text, "1");
    EXPECT_EQ(log.Get(kLogCapacity - 1).text, "2000");
    EXPECT_EQ(log.GetNewestFirst(0).text, "2000");
    // The repeat test reads the newest entry, wherever the ring put it.
    log.Add(5, "2000");
    EXPECT_EQ(log.Total(), kLogCapacity + 1);
    log.Clear();
    EXPECT_EQ(log.Count() + log.Total(), 0);
    EXPECT_EQ(log.Get(0).text, "");
}

TEST(EventLog, ExportsTheKeptEntriesOldestFirst)
{
    EventLog log;
    for (int32_t i = 0; i < kLogCapacity; ++i) log.Add(1200, std::to_string(i).c_str());
    log.Add(5, "Północ - nowa doba");
    log.Add(1759, "Ostatni");
    const std::string path = TestFolder() + "dziennik.txt";
    ASSERT_TRUE(log.Export(path, "Rozjazdowo.stc"));
    const std::string text = ReadText(path);
    EXPECT_EQ(text.substr(0, text.find("12:00  2\n")),
              "# Dziennik zdarzen - Rozjazdowo.stc\n# (najstarsze 2 zdarzen wypadlo juz z pamieci)\n");
    EXPECT_NE(text.find("\n00:05  Północ - nowa doba\n17:59  Ostatni\n"), std::string::npos);

    // A newer export replaces the file; without dropped entries there is no second line.
    EventLog small;
    small.Add(905, "Dyżur rozpoczęty");
    ASSERT_TRUE(small.Export(path, ""));
    EXPECT_EQ(ReadText(path), "# Dziennik zdarzen - \n09:05  Dyżur rozpoczęty\n");
}

TEST(EventLog, ExportReportsAFileThatCannotBeCreatedOrWritten)
{
    EventLog log;
    log.Add(900, "A");
    EXPECT_FALSE(log.Export(TestFolder() + "no/such/folder/dziennik.txt", ""));
#ifndef _WIN32
    // A full disk: every write to /dev/full fails.
    const std::string path = TestFolder() + "dziennik.txt";
    std::filesystem::create_symlink("/dev/full", path);
    EXPECT_FALSE(log.Export(path, ""));
#endif
}

// The program's log, on the program's game, with the window's answer to
// whether a game runs; both are put back afterwards.
class ProgramLog : public testing::Test {
protected:
    void SetUp() override
    {
        savedHooks_ = SetNotifyHooks({[] { return running_; }, nullptr, nullptr, nullptr});
        running_ = false;
        TheGame().SetStationName("Rozjazdowo.stc");
        TheGame().clock.Set(0, 5, 0);
        ClearLog();
    }
    void TearDown() override
    {
        ClearLog();
        TheGame().SetStationName("");
        TheGame().clock.Set(0, 0, 0);
        SetNotifyHooks(savedHooks_);
    }

    static bool running_;  ///< what the gameRunning hook answers
    NotifyHooks savedHooks_{};  ///< the hooks before the test
};

bool ProgramLog::running_ = false;

TEST_F(ProgramLog, TakesMessagesOnlyWhileAGameRunsAndExportsThem)
{
    AddLogEvent("lost");
    EXPECT_EQ(LogCount(), 0);
    running_ = true;
    AddLogEvent("kept");
    AddLogEvent("kept");
    EXPECT_EQ(LogCount(), 1);
    EXPECT_EQ(LogTotal(), 1);
    EXPECT_EQ(GetLogEvent(0).time, 5);
    EXPECT_EQ(GetLogEventNewestFirst(0).text, "kept");

    std::string folder = TestFolder();
    folder.pop_back();  // as the program names its folder, without the separator
    EXPECT_EQ(LogExportPath("/gra"), "/gra/dziennik.txt");
    EXPECT_EQ(LogExportPath("C:\\Gra"), "C:\\Gra\\dziennik.txt");
    EXPECT_EQ(LogExportPath("C:\\Gra\\"), "C:\\Gra\\dziennik.txt");
    ASSERT_TRUE(ExportLog(LogExportPath(folder)));
    EXPECT_EQ(ReadText(LogExportPath(folder)), "# Dziennik zdarzen - Rozjazdowo.stc\n00:05  kept\n");
    running_ = false;
    ASSERT_TRUE(ExportLog(LogExportPath(folder)));
    EXPECT_EQ(ReadText(LogExportPath(folder)), "# Dziennik zdarzen - \n00:05  kept\n");
    ClearLog();
    EXPECT_EQ(LogCount() + LogTotal(), 0);
}

}  // namespace
