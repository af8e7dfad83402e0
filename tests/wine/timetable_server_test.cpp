// The timetable server's client against the stand-in server of
// tools/timetable_server, run by python3 on a free port of 127.0.0.1: real
// HTTP through WinHTTP, real files beside the template, the delay refresh on
// its own thread, and the main window around a server that falls silent.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "model/game.h"
#include "simulation/new_game.h"
#include "simulation/notify.h"
#include "simulation/train_tracking.h"
#include "sources/delay_data.h"
#include "sources/delay_refresh.h"
#include "sources/delays_text.h"
#include "sources/rozklad_setting.h"
#include "sources/server_container.h"
#include "sources/win32/server_http.h"
#include "sources/win32/text_cp1250.h"
#include "sources/win32/timetable_server.h"
#include "sources/win32/whole_file.h"
#include "support/dialog_script.h"
#include "support/fixture_path.h"
#include "support/main_window_fixture.h"
#include "support/sample_game.h"
#include "ui/pacing.h"
#include "ui/event_box.h"
#include "ui/startup.h"
#include "ui/status_texts.h"
#include "ui/timetable_commands.h"
#include "ui/ui_state.h"
#include "ui/win32/settings_file.h"
#include "ui/win32/timetable_commands.h"

namespace {

constexpr wchar_t kPython[] = L"/usr/bin/python3";
constexpr int kStartWaitMs = 15000;
constexpr int kShortReplyMs = 4000;  // the reply's time, shortened
constexpr auto kLongestWait = std::chrono::milliseconds(kShortReplyMs + 3000);

std::wstring Widen(const std::string& text) { return AnsiToWide(text); }

std::string ReadBytes(const std::wstring& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFileW(path, bytes)) << WideToAnsi(path);
    return bytes;
}

// A Unix path as this suite reaches it: on the drive it runs from.
std::string OnSuiteDrive(const std::string& unixPath)
{
    const std::string fixtures = FixturePath("");
    return fixtures.substr(0, fixtures.size() - std::string(SEMARION_FIXTURES).size()) + unixPath;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

// Every file of a folder and its bytes.
std::map<std::wstring, std::string> FolderFiles(const std::wstring& folder)
{
    std::map<std::wstring, std::string> files;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[found.cFileName] = ReadBytes(folder + L"\\" + found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

// The stand-in server, started once for the suite. Wine runs the Unix
// python3 but cannot wait for it, so the server ends itself: on the test's
// request to /koniec, or after five minutes at the latest.
class StandInServer {
public:
    static bool Start()
    {
        if (port_ != 0) return true;
        const std::string portFile = "/tmp/semarion_stand_in_" + std::to_string(GetCurrentProcessId()) + ".port";
        const std::wstring portFileHere = Widen(OnSuiteDrive(portFile));
        DeleteFileW(portFileHere.c_str());
        std::wstring command = std::wstring(kPython) + L" \"" +
                               Widen(std::string(SEMARION_FIXTURES) + "/../../tools/timetable_server/server.py") +
                               L"\" --port 0 --lifetime 300 --port-file \"" + Widen(portFile) + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return false;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        for (int waited = 0; waited < kStartWaitMs && port_ == 0; waited += 50) {
            std::string text;
            if (ReadWholeFileW(portFileHere, text)) port_ = std::atoi(text.c_str());
            if (port_ == 0) Sleep(50);
        }
        DeleteFileW(portFileHere.c_str());
        return port_ != 0;
    }
    static void Stop()
    {
        if (port_ == 0) return;
        std::string reply, error;
        HttpPostBinary(Address(L""), "", L"", NewContainer(), reply, error, L"koniec", "");
        port_ = 0;
    }
    static std::wstring Address(const std::wstring& path)
    {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
    }

private:
    static int port_;
};
int StandInServer::port_ = 0;

// Each test has a main window, for the roads that start from it.
class TimetableServer : public MainWindowFixture {
protected:
    static void SetUpTestSuite() { StandInServer::Start(); }
    static void TearDownTestSuite() { StandInServer::Stop(); }

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(StandInServer::Start()) << "python3 and the stand-in server must run";
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root_ = std::wstring(temp) + L"semarion_server_test";
        RemoveTree(root_);
        CreateDirectoryW(root_.c_str(), nullptr);
        savedFolder_ = gGameFolder;
        gGameFolder = WideToAnsi(root_);
        savedIni_ = SetIniAccess(kPrivateProfile);
        savedRozklad_ = SetRozkladReader(ReadRozkladSetting);
        Server(L"");
        SetRozklad("Token", "");
    }
    void TearDown() override
    {
        gTimetableCommandCalls = savedCalls_;
        SetServerTimeouts(kServerTimeouts);
        SetRozkladReader(savedRozklad_);
        SetIniAccess(savedIni_);
        gGameFolder = savedFolder_;
        RemoveTree(root_);
        MainWindowFixture::TearDown();
    }

    static void SetRozklad(const char* key, const std::string& value)
    {
        WritePrivateProfileStringA("Rozklad", key, value.c_str(), GetIniPath().c_str());
    }
    static void Server(const std::wstring& path) { SetRozklad("Serwer", WideToAnsi(StandInServer::Address(path))); }

    // Testowo's timetable and station in a folder of that name under the root.
    std::wstring Template(const std::wstring& station)
    {
        const std::wstring folder = root_ + L"\\" + station;
        CreateDirectoryW(folder.c_str(), nullptr);
        EXPECT_TRUE(WriteWholeFileW(folder + L"\\Testowo.stc", ReadBytes(Widen(FixturePath("/../../game/Stacje/Testowo/Testowo.stc")))));
        EXPECT_TRUE(WriteWholeFileW(folder + L"\\Testowo.roz", ReadBytes(Widen(FixturePath("/../../game/Stacje/Testowo/Testowo.roz")))));
        return folder + L"\\Testowo.roz";
    }
    // What the server saw of the request, as it wrote it back.
    std::string Question(const std::wstring& station) { return ReadBytes(root_ + L"\\" + station + L"\\zapytanie.txt"); }

    // "Nowa gra na dziś" on a template chosen in advance, through the server.
    void TodayFromServer(const std::wstring& chosen)
    {
        static std::wstring gChosen;
        gChosen = chosen;
        gTimetableCommandCalls.chooseStation = [](HWND, const char*) { return gChosen; };
        TodayTimetableCommand(window_);
    }

    std::wstring root_;
    std::string savedFolder_;
    IniAccess savedIni_{};
    RozkladReader savedRozklad_ = nullptr;
    TimetableCommandCalls savedCalls_ = gTimetableCommandCalls;
};

// A message from another thread comes back while this one, the window's own,
// waits in its message loop.
bool WindowAnswers(HWND window)
{
    static bool answered;
    answered = false;
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](void* target) -> DWORD {
            DWORD_PTR result = 0;
            answered = SendMessageTimeoutW(static_cast<HWND>(target), WM_NULL, 0, 0, SMTO_BLOCK, 1000, &result) != 0;
            return 0;
        },
        window, 0, nullptr);
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    CloseHandle(thread);
    return answered;
}

TEST_F(TimetableServer, TodaysTimetableLandsBesideTheTemplate)
{
    const std::wstring station = L"\u0141\u00F3d\u017A Kaliska";  // Łódź Kaliska
    const std::wstring path = Template(station);
    std::string error;
    const std::wstring received = DownloadTimetable(path, error);
    EXPECT_EQ(error, "");
    ASSERT_EQ(received, root_ + L"\\" + station + L"\\Testowo-dzis.roz");
    EXPECT_EQ(ReadBytes(received), ReadBytes(path));

    const std::string question = Question(station);
    EXPECT_NE(question.find("sciezka: /rozklad\n"), std::string::npos) << question;
    EXPECT_NE(question.find("X-Stacja: %C5%81%C3%B3d%C5%BA%20Kaliska\n"), std::string::npos) << question;
    EXPECT_NE(question.find("stacja: \xC5\x81\xC3\xB3" "d\xC5\xBA Kaliska\n"), std::string::npos) << question;
    EXPECT_NE(question.find("X-Token: (brak)\n"), std::string::npos) << question;
    EXPECT_NE(question.find("Content-Type: application/octet-stream\n"), std::string::npos) << question;
    EXPECT_NE(question.find("czesc: Testowo.roz " + std::to_string(ReadBytes(path).size()) + "\n"), std::string::npos);
    EXPECT_NE(question.find("czesc: Testowo.stc "), std::string::npos) << question;

    // The made-up delays name trains of the timetable and carry a fresh stamp.
    const DelaysText delays = ParseDelaysLines(ReadBytes(root_ + L"\\" + station + L"\\Testowo-dzis.opoz"), 10);
    EXPECT_TRUE(delays.hasStamp);
    EXPECT_EQ(delays.entries.size(), 8u);
}

TEST_F(TimetableServer, StationDataAndPathsTokenAndSubFolder)
{
    Server(L"/api/");  // the settings reader drops the slash
    SetRozklad("Token", "tajny-123");
    const std::wstring path = Template(L"Testowo");
    std::string error;
    ASSERT_EQ(DownloadTimetable(path, error), root_ + L"\\Testowo\\Testowo-dzis.roz") << error;
    const std::string question = Question(L"Testowo");
    EXPECT_NE(question.find("sciezka: /api/rozklad\n"), std::string::npos) << question;
    EXPECT_NE(question.find("X-Token: tajny-123\n"), std::string::npos) << question;
    const DelaysText delays = ParseDelaysLines(ReadBytes(root_ + L"\\Testowo\\Testowo-dzis.opoz"), 10);
    ASSERT_EQ(delays.entries.size(), 4u);  // the stand-in's own data for Testowo
    EXPECT_EQ(delays.entries[0].train, 6);
    EXPECT_EQ(delays.entries[0].arrivalDelay, 12);
    SYSTEMTIME local;
    GetLocalTime(&local);
    const int64_t age = StampAgeMinutes(delays.stamp, {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute});
    EXPECT_TRUE(age >= 0 && age <= 2) << "stamped by the server: " << age;

    // An address that names the endpoint, a template in a sub-folder without
    // its station file: one part, the sub-folder as the station.
    Server(L"/api/rozklad");
    CreateDirectoryW((root_ + L"\\Testowo\\rano").c_str(), nullptr);
    ASSERT_TRUE(WriteWholeFileW(root_ + L"\\Testowo\\rano\\Testowo.roz", ReadBytes(path)));
    ASSERT_EQ(DownloadTimetable(root_ + L"\\Testowo\\rano\\Testowo.roz", error), root_ + L"\\Testowo\\rano\\Testowo-dzis.roz");
    const std::string sub = Question(L"Testowo\\rano");
    EXPECT_NE(sub.find("sciezka: /api/rozklad\n"), std::string::npos) << sub;
    EXPECT_NE(sub.find("X-Stacja: rano\n"), std::string::npos) << sub;
    EXPECT_EQ(sub.find("czesc: Testowo.stc"), std::string::npos) << sub;
}

TEST_F(TimetableServer, MalformedAndRefusedRepliesOfTheTimetableRequest)
{
    const std::wstring path = Template(L"Testowo");
    const std::wstring folder = root_ + L"\\Testowo\\";
    std::string error;

    Server(L"/blad500");
    EXPECT_EQ(DownloadTimetable(path, error), L"");
    const std::string refusal = "Serwer odmowil (kod 500).\n\nAwaria serwera. ";
    EXPECT_EQ(error.substr(0, refusal.size()), refusal);
    EXPECT_EQ(error.size(), refusal.size() - 16 + 500);

    const struct {
        const wchar_t* scenario;
        const char* error;
    } failures[] = {
        {L"/pusta", "Serwer nie przyslal rozkladu."},
        {L"/bez-rozkladu", "Serwer nie przyslal rozkladu."},
        {L"/zly-naglowek", "Serwer odpowiedzial czyms, czego nie rozumiem."},
    };
    for (const auto& failure : failures) {
        Server(failure.scenario);
        error.clear();
        EXPECT_EQ(DownloadTimetable(path, error), L"");
        EXPECT_EQ(error, failure.error) << WideToAnsi(failure.scenario);
    }

    // A reply shorter than it announced: whole parts or not, nothing of it
    // is kept.
    const std::map<std::wstring, std::string> before = FolderFiles(folder);
    Server(L"/urwana-tresc");
    EXPECT_EQ(DownloadTimetable(path, error), L"");
    EXPECT_EQ(error, "Serwer nie przyslal rozkladu.");
    EXPECT_EQ(FolderFiles(folder), before);

    Server(L"/urwana");  // the parts before a cut inside the container stay
    EXPECT_EQ(DownloadTimetable(path, error), folder + L"dzis.roz");
    EXPECT_FALSE(Exists(folder + L"ucieta.roz"));

    Server(L"/dwa-rozklady");
    EXPECT_EQ(DownloadTimetable(path, error), folder + L"drugi.ROZ");
    EXPECT_EQ(ReadBytes(folder + L"pierwszy.roz"), "1");

    Server(L"/zle-nazwy");  // nothing leaves the template's folder
    EXPECT_EQ(DownloadTimetable(path, error), folder + L"dzis.roz");
    EXPECT_FALSE(Exists(root_ + L"\\wyzej.roz"));
    EXPECT_FALSE(Exists(root_ + L"\\wyzej2.roz"));
    EXPECT_FALSE(Exists(folder + L"podkatalog"));
}

TEST_F(TimetableServer, FailuresBeforeAndAroundTheRequest)
{
    const std::wstring path = Template(L"Testowo");
    std::string error;
    EXPECT_EQ(DownloadTimetable(root_ + L"\\Testowo\\brak.roz", error), L"");
    EXPECT_EQ(error, "Nie moge odczytac wzorca stacji.");

    // A folder where a received file should go cannot be written over.
    CreateDirectoryW((root_ + L"\\Testowo\\zapytanie.txt").c_str(), nullptr);
    EXPECT_EQ(DownloadTimetable(path, error), L"");
    EXPECT_EQ(error, "Nie moge zapisac pliku obok wzorca stacji (brak praw do katalogu?).");

    SetRozklad("Serwer", "to nie jest adres");
    EXPECT_EQ(DownloadTimetable(path, error), L"");
    EXPECT_EQ(error, "Nie rozumiem adresu serwera: sprawdz [Rozklad] Serwer w semarion.ini.");

    SetRozklad("Serwer", "http://127.0.0.1:1");  // nobody listens there
    EXPECT_EQ(RefreshDelays("1 2 3\n", error), "");
    EXPECT_EQ(error, "Nie moge polaczyc sie z serwerem (kod bledu 12029).");
}

// An "https" address asks for a secure connection, which the plain stand-in
// cannot give; "http" does not ask for it. Each request's session waits as
// long as a slow server may take, or as long as a test asks.
TEST_F(TimetableServer, TheSchemeDecidesTheSecureFlagAndTheSessionItsTimeOuts)
{
    const std::wstring path = Template(L"Testowo");
    std::string error;
    const std::string plain = WideToAnsi(StandInServer::Address(L""));
    SetRozklad("Serwer", "https" + plain.substr(4));
    EXPECT_EQ(DownloadTimetable(path, error), L"");
    EXPECT_EQ(error.rfind("Serwer nie odpowiada (kod bledu ", 0), 0u) << error;
    EXPECT_FALSE(Exists(root_ + L"\\Testowo\\Testowo-dzis.roz"));
    SetRozklad("Serwer", plain);
    EXPECT_EQ(DownloadTimetable(path, error), root_ + L"\\Testowo\\Testowo-dzis.roz") << error;

    const DWORD options[] = {WINHTTP_OPTION_RESOLVE_TIMEOUT, WINHTTP_OPTION_CONNECT_TIMEOUT,
                             WINHTTP_OPTION_SEND_TIMEOUT, WINHTTP_OPTION_RECEIVE_TIMEOUT};
    const ServerTimeouts shortened = {1, 2, 3, 4};
    for (const ServerTimeouts& timeouts : {kServerTimeouts, shortened}) {
        SetServerTimeouts(timeouts);
        HINTERNET session = OpenServerSession();
        ASSERT_NE(session, nullptr);
        const int expected[] = {timeouts.resolveMs, timeouts.connectMs, timeouts.sendMs, timeouts.receiveMs};
        for (size_t i = 0; i < 4; ++i) {
            DWORD value = 0, size = sizeof value;
            ASSERT_TRUE(WinHttpQueryOption(session, options[i], &value, &size)) << options[i];
            EXPECT_EQ(value, static_cast<DWORD>(expected[i])) << options[i];
        }
        WinHttpCloseHandle(session);
    }
    EXPECT_EQ(kServerTimeouts.receiveMs, 240000);
}

// Whatever the server does byte by byte (nothing at all, the start of its
// reply and then nothing, its headers a byte a second, its headers just
// before the reply's time and then its body a byte a second), the download on
// the window's thread and a delays request beside it each end at the reply's
// time with the time-out's message, and the download leaves the folder as it was.
TEST_F(TimetableServer, EachRequestEndsAtTheReplysTimeWhateverTheServerSends)
{
    SetServerTimeouts({15000, 15000, 30000, kShortReplyMs});
    static std::vector<std::wstring> shown;
    gTimetableCommandCalls.messageBox = [](HWND, const std::wstring& text, const char*, UINT) {
        shown.push_back(text);
        return IDOK;
    };
    const std::wstring path = Template(L"Testowo");
    const std::map<std::wstring, std::string> before = FolderFiles(root_ + L"\\Testowo");
    const std::wstring lateHeaders = L"/pozne-naglowki-" + std::to_wstring(kShortReplyMs - 300);
    for (const std::wstring& scenario : {std::wstring(L"/cisza"), std::wstring(L"/cisza-w-srodku"),
                                         std::wstring(L"/po-bajcie"), lateHeaders}) {
        SCOPED_TRACE(WideToAnsi(scenario));
        Server(scenario);
        shown.clear();
        std::string refreshError;
        std::chrono::steady_clock::duration refreshTook{};
        std::thread refresh([&] {
            const auto start = std::chrono::steady_clock::now();
            RefreshDelays("7 5 4\n", refreshError);
            refreshTook = std::chrono::steady_clock::now() - start;
        });
        const auto start = std::chrono::steady_clock::now();
        TodayFromServer(path);
        const auto waited = std::chrono::steady_clock::now() - start;
        refresh.join();
        EXPECT_GE(waited, std::chrono::milliseconds(kShortReplyMs - 200));
        EXPECT_LE(waited, kLongestWait);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(WideToAnsi(shown[0]),
                  "Nie udało się pobrać rozkładu z serwera.\n\nSerwer nie odpowiada (kod bledu 12002).");
        EXPECT_LE(refreshTook, kLongestWait);
        EXPECT_EQ(refreshError, "Serwer nie odpowiada (kod bledu 12002).");
        EXPECT_EQ(FolderFiles(root_ + L"\\Testowo"), before);
    }
    EXPECT_EQ(StatusText(kStatusMessage), "");
    EXPECT_TRUE(WindowAnswers(window_));
}

// A refusal whose body is one long word: the box keeps every byte shown and
// still fits the screen.
TEST_F(TimetableServer, ARefusalOfOneLongWordFitsTheScreen)
{
    Server(L"/dlugie-slowo");
    const std::wstring caption = Cp1250ToWide(kTodayCaption);
    ScheduleDialogScript(caption.c_str(), [](HWND box) {
        RECT frame;
        GetWindowRect(box, &frame);
        EXPECT_LE(frame.right - frame.left, GetSystemMetrics(SM_CXSCREEN));
        wchar_t text[2048] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 2048);  // the box's text control
        const std::wstring shown = text;
        EXPECT_EQ(std::count(shown.begin(), shown.end(), L'W'), 500) << WideToAnsi(shown);
    });
    TodayFromServer(Template(L"Testowo"));
    EXPECT_TRUE(DialogScriptRan());
}

TEST_F(TimetableServer, DelaysRequestSendsTheTextAndReadsTheFirstPart)
{
    std::string error;
    EXPECT_EQ(RefreshDelays("", error), "");
    EXPECT_EQ(error, "Nie ma czego odswiezac.");

    Server(L"/api/rozklad");
    error.clear();
    const std::string text = RefreshDelays("POBRANE 2026-12-07 05:00\n7 5 4\n", error);
    EXPECT_EQ(error, "");
    EXPECT_NE(text.find("# zapytanie sciezka: /api/rozklad/opoznienia\n"), std::string::npos) << text;
    EXPECT_NE(text.find("# zapytanie X-Stacja: \n"), std::string::npos) << text;
    EXPECT_NE(text.find("# zapytanie czesc: rozklad.opoz 31\n"), std::string::npos) << text;
    const DelaysText delays = ParseDelaysLines(text, 10);
    ASSERT_EQ(delays.entries.size(), 1u);
    EXPECT_EQ(delays.entries[0].arrivalDelay, 6);
    EXPECT_TRUE(delays.hasStamp);

    const struct {
        const wchar_t* scenario;
        const char* error;
    } failures[] = {
        {L"/pusta", "Pusta odpowiedz serwera."},
        {L"/urwana", "Odpowiedz serwera urwana."},
        {L"/urwana-tresc", "Odpowiedz serwera urwana."},
        {L"/zly-naglowek", "Serwer odpowiedzial czyms, czego nie rozumiem."},
        {L"/blad500", "Serwer odmowil (kod 500).\n\nAwaria serwera."},
        {L"/bez-rozkladu", ""},  // an empty part: no text, no error
    };
    for (const auto& failure : failures) {
        Server(failure.scenario);
        error.clear();
        EXPECT_EQ(RefreshDelays("7 5 4\n", error), "");
        EXPECT_EQ(error, failure.error) << WideToAnsi(failure.scenario);
    }
}

// The shift's refresh: a game on Testowo with its delays file, the refresh
// thread making the real request, and the next poll taking the answer in.
TEST_F(TimetableServer, RefreshThreadBringsNewerDelaysIntoTheRunningGame)
{
    static uint64_t nowMs = 1000000;
    static std::vector<std::string> status;
    status.clear();
    const std::wstring path = Template(L"Testowo");
    ASSERT_TRUE(WriteWholeFileW(root_ + L"\\Testowo\\Testowo.opoz", "POBRANE 2026-12-07 04:50\n7 5 4\n8 1 1\n"));
    const TickSource oldTicks = SetTickSource([] { return nowMs; });
    const NotifyHooks oldNotify = SetNotifyHooks(
        {[] { return true; }, [](const char* text) { status.push_back(text); }, [](const char*) {}, [] {}});
    const DelaysTransport oldTransport = SetDelaysTransport(RefreshDelays);
    const UiFlags oldUi = gUi;
    const Settings oldSettings = gSettings;
    gUi.gameRunning = true;
    gUi.appActive = true;
    gSettings.interval = ClockStepMillis();  // real time
    SetRozklad("OdswiezanieMinut", "2");

    Game& game = TheGame();
    ASSERT_EQ(game.NewGameFromTimetable(WideToAnsi(path).c_str()), kNewGameStarted);
    LoadDelaysFile(game, WideToAnsi(path), ClockRealTimeOrSlower());
    ASSERT_EQ(DelayEntryCount(), 2u);
    nowMs += 2 * 60000;
    PollDelayRefresh(game, DelayRefreshGate());
    const auto start = std::chrono::steady_clock::now();
    while (DelayRefreshBusy() && std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) Sleep(20);
    ASSERT_FALSE(DelayRefreshBusy());
    PollDelayRefresh(game, DelayRefreshGate());
    ASSERT_EQ(DelayEntryCount(), 2u);
    EXPECT_EQ(gDelayData.pending[0].arrivalDelay, 6);
    EXPECT_EQ(gDelayData.pending[1].departureDelay, 2);
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.back(), "Opóźnienia odświeżone: 2 pociągów");

    gDelayData = DelayData();
    StoreDelaysRequest("");
    TheGame() = Game();
    gSettings = oldSettings;
    gUi = oldUi;
    SetDelaysTransport(oldTransport);
    SetNotifyHooks(oldNotify);
    SetTickSource(oldTicks);
}

// A refresh whose server sends its headers a byte a second ends at the
// reply's time, and the shift runs on meanwhile: the window's timer messages
// step the clock. The next refresh comes on time and brings its answer; a
// refusal in bytes that code page 1250 leaves undefined, or in UTF-8, reaches
// the status bar and the event box without them.
TEST_F(TimetableServer, ASlowServerHoldsNeitherTheRefreshNorTheShift)
{
    static uint64_t nowMs = 1000000;
    SetServerTimeouts({15000, 15000, 30000, kShortReplyMs});
    const std::wstring path = Template(L"Testowo");
    ASSERT_TRUE(WriteWholeFileW(root_ + L"\\Testowo\\Testowo.opoz", "7 5 4\n"));
    Server(L"/po-bajcie");
    SetRozklad("OdswiezanieMinut", "1");
    const TickSource oldTicks = SetTickSource([] { return nowMs; });
    const DelaysTransport oldTransport = SetDelaysTransport(RefreshDelays);
    gWindowServices.openSectionPermissionDialog = [](HWND, int) { gSectionRequest.answer = 0; };
    gSettings.dzwiek = false;
    gSettings.opisyTorow = true;  // the event box
    gUi.appActive = true;
    const auto refreshAfter = [&](uint64_t minutes) {
        nowMs += minutes * 60000;
        SendMessageA(window_, WM_TIMER, 1, 0);
        const auto start = std::chrono::steady_clock::now();
        while (DelayRefreshBusy() && std::chrono::steady_clock::now() - start < kLongestWait) {
            nowMs += 1000;
            SendMessageA(window_, WM_TIMER, 1, 0);
            Sleep(50);
        }
        EXPECT_FALSE(DelayRefreshBusy());
        nowMs += 1000;
        SendMessageA(window_, WM_TIMER, 1, 0);
        return StatusText(kStatusMessage);
    };
    {
        SampleGame testowo("Testowo");
        gGameFolder = WideToAnsi(root_);  // for the settings file
        gSettings.interval = ClockStepMillis();  // real time
        LoadDelaysFile(TheGame(), WideToAnsi(path), ClockRealTimeOrSlower());
        const std::string before = StatusText(2);
        EXPECT_EQ(refreshAfter(1), "Opóźnienia bez zmian: Serwer nie odpowiada (kod bledu 12002).");
        EXPECT_NE(StatusText(2), before);  // "Godzina: ..." went on
        EXPECT_EQ(gDelayData.refreshInterval, kFailedRefreshMinutes);

        Server(L"");
        EXPECT_EQ(refreshAfter(kFailedRefreshMinutes), "Opóźnienia odświeżone: 1 pociągów");
        EXPECT_EQ(gDelayData.pending[0].arrivalDelay, 6);

        Server(L"/krzaki");
        EXPECT_EQ(refreshAfter(1), "Opóźnienia bez zmian: Serwer odmowil (kod 500). Blad ????? serwera łącza");
        Server(L"/utf8");
        const std::string shown = refreshAfter(kFailedRefreshMinutes);
        EXPECT_EQ(shown, "Opóźnienia bez zmian: Serwer odmowil (kod 500). BŁĄD SERWERA ?");
        const std::vector<EventBoxLine> box = EventBoxLinesNow(true);
        ASSERT_FALSE(box.empty());
        const auto showsIt = [](const EventBoxLine& line) { return line.text.find("BŁĄD SERWERA ?") != std::string::npos; };
        EXPECT_NE(std::find_if(box.begin(), box.end(), showsIt), box.end());
        for (const EventBoxLine& line : box)
            for (const char undefined : {'\x81', '\x83', '\x88', '\x90', '\x98'})
                EXPECT_EQ(line.text.find(undefined), std::string::npos) << line.text;
    }
    gDelayData = DelayData();
    StoreDelaysRequest("");
    ResetTrainTracking();
    SetDelaysTransport(oldTransport);
    SetTickSource(oldTicks);
}

}  // namespace
