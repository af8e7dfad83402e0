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
    EXPECT_EQ(lines[0], "Brak pliku klucz-api.txt w katalogu gry.");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Rozkład na dziś pobieramy z API PLK \"Otwarte Dane\"");
    EXPECT_EQ(lines[3], std::string("(") + kOpenDataHost + ") - trzeba tam zalozyc konto, a klucz");
    EXPECT_EQ(lines[4], "zapisać w pliku klucz-api.txt obok Semarion.exe.");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "Można też skorzystać z cudzego serwera rozkładów - wtedy");
    EXPECT_EQ(lines[7], "w semarion.ini wpisuje się:");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[9], "    [Rozklad]");
    EXPECT_EQ(lines[10].rfind("    Serwer=http://", 0), 0u);
    EXPECT_EQ(lines[10].find("https"), std::string::npos);
    EXPECT_NE(lines[10].find(":8080"), std::string::npos);
}

}  // namespace
