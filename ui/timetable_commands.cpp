// Texts and the road of today's and the fictional timetable commands.
#include "ui/timetable_commands.h"

#include "ui/api_key.h"

const char kTodayCaption[] = "Rozkład na dziś";
const char kFictionalCaption[] = "Rozkład fikcyjny";
const char kTodayChooserTitle[] = "Rozkład na dziś - wybierz stację";
const char kFictionalChooserTitle[] = "Rozkład fikcyjny - wybierz stację";
std::string NoApiKeyText()
{
    return std::string("Brak pliku klucz-api.txt w katalogu gry.\n"
                       "\n"
                       "Rozkład na dziś pobieramy z API PLK \"Otwarte Dane\"\n"
                       "(") +
           kOpenDataHost +
           ") - trzeba tam zalozyc konto, a klucz\n"
           "zapisać w pliku klucz-api.txt obok Semarion.exe.\n"
           "\n"
           "Można też skorzystać z cudzego serwera rozkładów - wtedy\n"
           "w semarion.ini wpisuje się:\n"
           "\n"
           "    [Rozklad]\n"
           "    Serwer=http://192.168.1.20:8080";
}

TodayRoad ChooseTodayRoad(bool keyFilePresent, const std::string& serverAddress)
{
    return !keyFilePresent && !serverAddress.empty() ? TodayRoad::kServer : TodayRoad::kScript;
}

std::wstring BreakLongRuns(const std::wstring& text, size_t longest)
{
    std::wstring lines;
    size_t run = 0;
    for (const wchar_t c : text) {
        const bool breaks = c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
        if (!breaks && run == longest) {
            lines += L'\n';
            run = 0;
        }
        run = breaks ? 0 : run + 1;
        lines += c;
    }
    return lines;
}
