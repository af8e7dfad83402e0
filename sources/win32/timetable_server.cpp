// Today's timetable and the delays from the timetable server.
#include "sources/win32/timetable_server.h"

#include "sources/rozklad_setting.h"
#include "sources/server_container.h"
#include "sources/win32/server_http.h"
#include "sources/win32/text_cp1250.h"
#include "sources/win32/whole_file.h"

namespace {

constexpr char kNoServer[] = "Nie ustawiono serwera rozkladow.";
constexpr char kNotUnderstood[] = "Serwer odpowiedzial czyms, czego nie rozumiem.";
constexpr char kNoTimetable[] = "Serwer nie przyslal rozkladu.";
constexpr char kDelaysPartName[] = "rozklad.opoz";

// The template's bytes and, when its station file can be read, that file's.
std::string TimetableRequestBody(const TemplatePlace& place, const std::string& timetable)
{
    std::string body = NewContainer();
    AppendContainerPart(body, place.fileName, timetable);
    const std::wstring stationFile = StationFileFromTemplate(timetable);
    std::string station;
    if (!stationFile.empty() && ReadWholeFileW(place.folder + L"\\" + stationFile, station))
        AppendContainerPart(body, stationFile, station);
    return body;
}

// Writes the reply's parts beside the template; the last timetable among
// them is the result. A part whose name would leave the folder is skipped.
std::wstring WriteReceivedFiles(const TemplatePlace& place, const std::string& reply, std::string& error)
{
    std::wstring timetable;
    for (const ContainerPart& part : ReadContainerParts(reply, static_cast<size_t>(-1)).parts) {
        if (!IsPlainFileName(part.name)) continue;
        const std::wstring path = place.folder + L"\\" + AnsiToWide(part.name);
        if (!WriteWholeFileW(path, part.data)) {
            error = "Nie moge zapisac pliku obok wzorca stacji (brak praw do katalogu?).";
            return std::wstring();
        }
        if (EndsWithRoz(part.name)) timetable = path;
    }
    if (timetable.empty()) error = kNoTimetable;
    return timetable;
}

}  // namespace

void AppendContainerPart(std::string& body, const std::wstring& name, const std::string& bytes)
{
    AppendPart(body, WideToAnsi(name), bytes);
}

std::wstring StationFileFromTemplate(const std::string& timetable)
{
    return AnsiToWide(StationFileNameFromTemplate(timetable));
}

std::wstring DownloadTimetable(const std::wstring& templatePath, std::string& error)
{
    const std::string server = RozkladSetting("Serwer");
    if (server.empty()) {
        error = kNoServer;
        return std::wstring();
    }
    std::string timetable;
    if (!ReadWholeFileW(templatePath, timetable)) {
        error = "Nie moge odczytac wzorca stacji.";
        return std::wstring();
    }
    const TemplatePlace place = SplitTemplatePath(templatePath);
    std::string reply;
    if (!HttpPostBinary(AnsiToWide(server), RozkladSetting("Token"), place.station,
                        TimetableRequestBody(place, timetable), reply, error, L"rozklad", kNoTimetable))
        return std::wstring();
    if (!HasContainerMagic(reply)) {
        error = kNotUnderstood;
        return std::wstring();
    }
    return WriteReceivedFiles(place, reply, error);
}

std::string RefreshDelays(const std::string& current, std::string& error)
{
    const std::string server = RozkladSetting("Serwer");
    if (server.empty()) {
        error = kNoServer;
        return std::string();
    }
    if (current.empty()) {
        error = "Nie ma czego odswiezac.";
        return std::string();
    }
    std::string body = NewContainer();
    AppendPart(body, kDelaysPartName, current);
    std::string reply;
    if (!HttpPostBinary(AnsiToWide(server), RozkladSetting("Token"), std::wstring(), body, reply, error,
                        L"opoznienia", kCutDelaysReply))
        return std::string();
    std::string text;
    FirstDelaysPart(reply, text, error);
    return text;
}
