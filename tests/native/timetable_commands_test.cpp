// Which road today's timetable takes.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ui/api_key.h"
#include "ui/settings.h"
#include "ui/timetable_commands.h"

namespace {

TEST(TodayRoad, TheKeyFileChoosesTheScriptWhateverTheServer)
{
    EXPECT_EQ(ChooseTodayRoad(true, "http://rozklady.example:8080"), TodayRoad::kScript);
    EXPECT_EQ(ChooseTodayRoad(true, kBuiltInServer), TodayRoad::kScript);
    EXPECT_EQ(ChooseTodayRoad(false, kBuiltInServer), TodayRoad::kServer);
    EXPECT_EQ(ChooseTodayRoad(false, ""), TodayRoad::kScript);
}

TEST(TodayRoad, TheInformationKeepsItsLines)
{
    std::vector<std::string> lines;
    std::istringstream text(NoApiKeyText());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 11u);
    const std::vector<std::string> fixed = {
        "Brak pliku klucz-api.txt w katalogu gry.",
        "",
        "Rozkład na dziś pobieramy z API PLK \"Otwarte Dane\"",
        std::string("(") + kOpenDataHost + ") - trzeba tam zalozyc konto, a klucz",
        "zapisać w pliku klucz-api.txt obok Semarion.exe.",
        "",
        "Można też skorzystać z cudzego serwera rozkładów - wtedy",
        "w semarion.ini wpisuje się:",
        "",
        "    [Rozklad]",
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10), fixed);
    EXPECT_EQ(lines[10].rfind("    Serwer=http://", 0), 0u);
    EXPECT_EQ(lines[10].find("https"), std::string::npos);
    EXPECT_NE(lines[10].find(":8080"), std::string::npos);
}

}  // namespace
