// Which road today's timetable takes.
#include <gtest/gtest.h>

#include <string>

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
    const std::string text = NoApiKeyText();
    EXPECT_EQ(text.rfind("Brak pliku klucz-api.txt w katalogu gry.\n\n", 0), 0u);
    EXPECT_NE(text.find(std::string("\"Otwarte Dane\" (") + kOpenDataHost + ") - "), std::string::npos);
    EXPECT_NE(text.find("\n\n    [Rozklad]\n    Serwer=http://"), std::string::npos);
}

}  // namespace
