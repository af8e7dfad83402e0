// What the game dialogs show: the coming half hour's lines, the event log's
// lines as the dialog appends them, the train search's answers, the shift
// summary with its verdict and the API key as it is kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "service_game.h"
#include "simulation/event_log.h"
#include "simulation/train_search.h"
#include "timetable_access.h"
#include "ui/api_key.h"
#include "ui/game_dialog_texts.h"
#include "ui/shift_summary.h"

namespace {

using GameDialogTexts = ServiceGameTest;

TEST_F(GameDialogTexts, ComingHalfHourInColumns)
{
    game_.clock.Set(6, 0, 0);
    const std::vector<std::string> lines = UpcomingLines(game_);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "teraz        wjazd     6:00      1201     I                      Jezynowo - Testowo");
    EXPECT_EQ(lines[1].substr(0, 22), "za 5 min     odjazd   ");

    UpcomingRecord late;
    late.minutesFromNow = -3;
    late.isArrival = 1;
    late.delay = 7;
    late.timeText = "12:57";
    late.number = "77123";
    late.place = "IV";
    late.relation = "A - B";
    EXPECT_EQ(UpcomingLine(late), "3 min temu   wjazd    12:57 +7   77123    IV                     A - B");
    late.delay = -2;
    late.isArrival = 0;
    late.relation = std::string(600, 'x');  // cut to the line's 511 bytes
    const std::string line = UpcomingLine(late);
    EXPECT_EQ(line.substr(0, 34), "3 min temu   odjazd   12:57 -2   7");
    EXPECT_EQ(line.size(), 511u);

    running_ = false;
    EXPECT_EQ(UpcomingLines(game_), std::vector<std::string>{kNothingUpcoming});
}

TEST_F(GameDialogTexts, EventLogListsTheKeptEntriesThenOnlyTheNewOnes)
{
    TheGame().clock.Set(9, 5, 0);
    ClearLog();
    for (int i = 0; i < 2500; ++i) AddLogEvent(("zdarzenie " + std::to_string(i)).c_str());
    int32_t listed = 0;
    std::vector<std::string> lines = NewEventLogLines(listed);
    ASSERT_EQ(lines.size(), 2000u);
    EXPECT_EQ(lines.front(), "09:05   zdarzenie 500");
    EXPECT_EQ(lines.back(), "09:05   zdarzenie 2499");
    EXPECT_EQ(listed, 2500);
    EXPECT_TRUE(NewEventLogLines(listed).empty());

    AddLogEvent("nowe");
    AddLogEvent("nowe");  // a repeat is not logged
    lines = NewEventLogLines(listed);
    EXPECT_EQ(lines, std::vector<std::string>{"09:05   nowe"});
    EXPECT_EQ(listed, 2501);

    // A cleared log starts the numbers again: what comes is listed.
    ClearLog();
    AddLogEvent("po wyczyszczeniu");
    EXPECT_TRUE(NewEventLogLines(listed).empty());
    AddLogEvent("drugie");
    EXPECT_EQ(NewEventLogLines(listed), std::vector<std::string>{"09:05   drugie"});
    ClearLog();
    TheGame() = Game();
}

TEST_F(GameDialogTexts, TrainSearchAnswers)
{
    game_.clock.Set(6, 0, 0);
    const FindTrainResult found = TrainInfoText(game_, " 1234 ");
    ASSERT_GE(found.train, 0);
    EXPECT_EQ(FindTrainAnswer(found, " 1234 "), "1234  " + found.relation + "\r\n" + found.status);
    EXPECT_EQ(FoundTrainStatusLine(found), "Pociąg 1234: " + found.status);

    const FindTrainResult missing = TrainInfoText(game_, "99999");
    EXPECT_EQ(FindTrainAnswer(missing, "99999"), "Nie ma w rozkładzie pociągu o numerze 99999.");
    EXPECT_EQ(FindTrainAnswer(missing, nullptr), "Nie ma w rozkładzie pociągu o numerze .");
}

ScoreSummary Score(int32_t departed, int32_t delayMinutes)
{
    ScoreSummary score;
    score.departedCount = departed;
    score.delayMinutes = delayMinutes;
    return score;
}

TEST(ShiftSummary, VerdictByDelayPerDepartedTrain)
{
    EXPECT_EQ(ShiftVerdictText(Score(0, 0), false), "Jeszcze nic nie odjechalo - dyzur dopiero sie zaczyna.");
    EXPECT_EQ(ShiftVerdictText(Score(0, 30), false), "Jeszcze nic nie odjechalo - dyzur dopiero sie zaczyna.");
    EXPECT_EQ(ShiftVerdictText(Score(4, 0), false), "Bez zarzutu - zaden pociąg nie stracil przez Ciebie minuty.");
    EXPECT_EQ(ShiftVerdictText(Score(10, 9), false), "Bardzo dobrze - pociągi wychodzą ze stacji prawie punktualnie.");
    EXPECT_EQ(ShiftVerdictText(Score(10, 10), false), "Dobrze - drobne przetrzymania, ale rozkład się trzyma.");
    EXPECT_EQ(ShiftVerdictText(Score(5, 12), false), "Dobrze - drobne przetrzymania, ale rozkład się trzyma.");
    EXPECT_EQ(ShiftVerdictText(Score(5, 15), false), "Bywa gorzej - kilka pociągów wyraźnie czekało.");  // r = 30
    EXPECT_EQ(ShiftVerdictText(Score(5, 39), false), "Bywa gorzej - kilka pociągów wyraźnie czekało.");
    EXPECT_EQ(ShiftVerdictText(Score(5, 40), false), "Słabo - stacja korkuje się, pociągi stoją po kilkanaście minut.");
    EXPECT_EQ(ShiftVerdictText(Score(1, 2000000000), false),
              "Słabo - stacja korkuje się, pociągi stoją po kilkanaście minut.");
    for (const ScoreSummary& score : {Score(0, 0), Score(5, 40), Score(3, 0)})
        EXPECT_EQ(ShiftVerdictText(score, true), "Gra testowa - punktow karnych sie nie liczy.");
}

TEST(ShiftSummary, LinesLeaveOutWhatHasNothingToSay)
{
    ScoreSummary score = Score(0, 0);
    std::array<std::string, kShiftSummaryLineCount> lines = ShiftSummaryTexts(score, 507, false);
    EXPECT_EQ(lines[0], "Stan na godzinę 05:07");
    EXPECT_EQ(lines[1], "Odprawionych pociągów: 0   (jeszcze na stacji: 0)");
    EXPECT_EQ(lines[2], "Dołożone minuty opóźnienia: 0");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "Niedozwolonych operacji: brak");
    EXPECT_EQ(lines[6], "PUNKTY KARNE: 0");
    EXPECT_EQ(lines[7], "Jeszcze nic nie odjechalo - dyzur dopiero sie zaczyna.");

    score = Score(5, 12);
    score.stillAtStation = 3;
    score.heldBeforeEntryMinutes = 4;
    score.maxDelay = 6;
    score.penaltyEvents = 2;
    score.penaltyPoints = 22;
    lines = ShiftSummaryTexts(score, 2359, false);
    EXPECT_EQ(lines[0], "Stan na godzinę 23:59");
    EXPECT_EQ(lines[1], "Odprawionych pociągów: 5   (jeszcze na stacji: 3)");
    EXPECT_EQ(lines[3], "   w tym przez trzymanie przed wjazdem: 4");
    EXPECT_EQ(lines[4], "Najdłużej czekał: pociąg bez numeru (+6 min)");
    EXPECT_EQ(lines[5], "Niedozwolonych operacji: 2   (po 5 pkt)");
    EXPECT_EQ(lines[6], "PUNKTY KARNE: 22");
    EXPECT_EQ(lines[7], "Dobrze - drobne przetrzymania, ale rozkład się trzyma.");

    score.maxDelayTrain = std::string(300, '7');  // cut to the line's 159 bytes
    lines = ShiftSummaryTexts(score, 1200, false);
    EXPECT_EQ(lines[4].size(), 159u);
    EXPECT_EQ(lines[4].substr(0, 20), "Najdłużej czekał: 77");
}

TEST(ApiKey, TypedKeyIsTrimmedAndCutOnACharacterBoundary)
{
    EXPECT_EQ(ApiKeyFromTyped("  \tabc-123\r\n"), "abc-123");
    EXPECT_EQ(ApiKeyFromTyped("a b"), "a b");
    EXPECT_EQ(ApiKeyFromTyped(" \r\n\t "), "");
    EXPECT_EQ(ApiKeyFromTyped(""), "");
    EXPECT_EQ(ApiKeyFromTyped(std::string(600, 'k')), std::string(kApiKeyMaxBytes, 'k'));
    // Byte 511 falls inside a two-byte character: the whole character goes.
    const std::string wide = std::string(510, 'k') + "\xC5\x82" + "zz";
    EXPECT_EQ(ApiKeyFromTyped(wide), std::string(510, 'k'));
    EXPECT_EQ(ApiKeyFromTyped(std::string(509, 'k') + "\xC5\x82" + "zz"), std::string(509, 'k') + "\xC5\x82");
}

TEST(ApiKey, FileHoldsExactlyTheKeyBytes)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "semarion_api_key_test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / kApiKeyFileName).string();
    {
        std::ofstream old(path);
        old << "an older, longer key that must not survive\n";
    }
    ASSERT_TRUE(WriteApiKeyFile(path, "key\xC5\x82"));
    {
        std::ifstream in(path, std::ios::binary);  // closed before the folder goes
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), "key\xC5\x82");
    }
    EXPECT_FALSE(WriteApiKeyFile((folder / "no such folder" / kApiKeyFileName).string(), "key"));
    std::filesystem::remove_all(folder);

    EXPECT_EQ(ApiKeyPath("C:\\Gry\\Semarion"), "C:\\Gry\\Semarion\\klucz-api.txt");
    const std::string explanation = ApiKeyExplanation();
    EXPECT_EQ(explanation.find("Rozkład na dziś bierze prawdziwy ruch z API PLK \"Otwarte Dane\".\r\n"), 0u);
    EXPECT_NE(explanation.find("\r\n\r\nWklej go poniżej"), std::string::npos);
}

}  // namespace
