// WinHTTP POST requests to the timetable server.
#include "sources/win32/server_http.h"

#include <windows.h>

#include <winhttp.h>

#include <cstdio>

#include "sources/server_container.h"
#include "sources/win32/text_cp1250.h"

namespace {

constexpr wchar_t kUserAgent[] = L"Semarion/1.0";
constexpr DWORD kHostChars = 256;
constexpr DWORD kPathChars = 512;
constexpr DWORD kOk = 200;
constexpr size_t kRefusalBodyShown = 500;
constexpr char kCannotConnect[] = "Nie moge polaczyc sie z serwerem (kod bledu %lu).";
constexpr char kNoAnswer[] = "Serwer nie odpowiada (kod bledu %lu).";
constexpr DWORD kSocketTimedOut = 10060;  // WSAETIMEDOUT

ServerTimeouts gTimeouts = kServerTimeouts;

// Closes a WinHTTP handle when it goes out of scope; declared session,
// connection, request, they close in the reverse order.
struct InternetHandle {
    HINTERNET handle;  ///< null when not opened
    ~InternetHandle()
    {
        if (handle) WinHttpCloseHandle(handle);
    }
};

std::string FormatCode(const char* format, unsigned long code)
{
    char text[128];
    std::snprintf(text, sizeof text, format, code);
    return text;
}

std::wstring Headers(const std::wstring& station, const std::string& token)
{
    std::wstring headers = L"Content-Type: application/octet-stream\r\n";
    headers += L"X-Stacja: " + AnsiToWide(PercentEncodeUtf8(station)) + L"\r\n";
    if (!token.empty()) headers += L"X-Token: " + AnsiToWide(token) + L"\r\n";
    return headers;
}

DWORD StatusCode(HINTERNET request)
{
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
        return 0;
    return status;
}

// The session's receive time-out does not bound the wait for the reply's
// headers: that wait has an option of its own, infinite unless set. Wine
// puts the option on the connection when the send opens it, and waits for
// the headers already in the send; it changes a connection's wait only when
// the request's time-outs are set. So each wait gets both, from before the
// send on, with what is left of the reply's time; false when nothing is.
bool LimitReplyWait(HINTERNET request, ULONGLONG deadline)
{
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) {
        SetLastError(ERROR_WINHTTP_TIMEOUT);
        return false;
    }
    DWORD left = static_cast<DWORD>(deadline - now);
    return WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &left, sizeof left) &&
           WinHttpSetTimeouts(request, gTimeouts.resolveMs, gTimeouts.connectMs, gTimeouts.sendMs,
                              static_cast<int>(left));
}

ULONGLONG ReplyDeadline() { return GetTickCount64() + static_cast<ULONGLONG>(gTimeouts.receiveMs); }

// The error of a failed send or receive: Wine reports a reply that did not
// come in time as the socket's time-out, Windows as WinHTTP's.
DWORD RequestError()
{
    const DWORD code = GetLastError();
    return code == kSocketTimedOut ? static_cast<DWORD>(ERROR_WINHTTP_TIMEOUT) : code;
}

// A server that cannot be reached, or whose name is unknown, surfaces at the
// send, not at the connect.
std::string SendFailure(DWORD code)
{
    const bool unreachable = code == ERROR_WINHTTP_CANNOT_CONNECT || code == ERROR_WINHTTP_NAME_NOT_RESOLVED;
    return FormatCode(unreachable ? kCannotConnect : kNoAnswer, code);
}

// How the reading of a reply's body ended.
enum class ReplyEnd {
    kWhole,     ///< no more data, or a read failed: what came is the reply
    kTooLong,   ///< it grew past any reply the game needs
    kTimedOut,  ///< the reply's time ran out before it was whole
};

ReplyEnd EndOfFailedRead() { return RequestError() == ERROR_WINHTTP_TIMEOUT ? ReplyEnd::kTimedOut : ReplyEnd::kWhole; }

// Reads the body while data comes, until the reply's time is up.
ReplyEnd ReadReply(HINTERNET request, ULONGLONG deadline, std::string& reply)
{
    reply.clear();
    for (;;) {
        DWORD available = 0;
        if (!LimitReplyWait(request, deadline) || !WinHttpQueryDataAvailable(request, &available))
            return EndOfFailedRead();
        if (available == 0) return ReplyEnd::kWhole;
        if (available > kMaxReplyBytes - reply.size()) return ReplyEnd::kTooLong;
        std::string chunk(available, '\0');
        DWORD read = 0;
        if (!WinHttpReadData(request, &chunk[0], available, &read)) return EndOfFailedRead();
        reply.append(chunk, 0, read);
    }
}

}  // namespace

std::string PercentEncodeUtf8(const std::wstring& text)
{
    if (text.empty()) return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &utf8[0], size, nullptr,
                            nullptr);
    return PercentEncodeBytes(utf8);
}

HINTERNET OpenServerSession()
{
    HINTERNET session =
        WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
    if (session)
        WinHttpSetTimeouts(session, gTimeouts.resolveMs, gTimeouts.connectMs, gTimeouts.sendMs, gTimeouts.receiveMs);
    return session;
}

ServerTimeouts SetServerTimeouts(const ServerTimeouts& timeouts)
{
    const ServerTimeouts old = gTimeouts;
    gTimeouts = timeouts;
    return old;
}

bool HttpPostBinary(const std::wstring& server, const std::string& token, const std::wstring& station,
                    const std::string& body, std::string& reply, std::string& error, const std::wstring& endpoint)
{
    wchar_t host[kHostChars] = {};
    wchar_t path[kPathChars] = {};
    URL_COMPONENTS parts = {};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = kHostChars;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = kPathChars;
    if (!WinHttpCrackUrl(server.c_str(), 0, 0, &parts) || host[0] == L'\0') {
        error = "Nie rozumiem adresu serwera: sprawdz [Rozklad] Serwer w semarion.ini.";
        return false;
    }
    const std::wstring requestPath = RequestPath(std::wstring(path, parts.dwUrlPathLength), endpoint);

    InternetHandle session{OpenServerSession()};
    if (!session.handle) {
        error = "Nie udalo sie otworzyc polaczenia.";
        return false;
    }
    InternetHandle connection{WinHttpConnect(session.handle, host, parts.nPort, 0)};
    if (!connection.handle) {
        error = FormatCode(kCannotConnect, GetLastError());
        return false;
    }
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    InternetHandle request{WinHttpOpenRequest(connection.handle, L"POST", requestPath.c_str(), nullptr,
                                              WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, secure)};
    if (!request.handle) {
        error = FormatCode(kCannotConnect, GetLastError());
        return false;
    }
    const std::wstring headers = Headers(station, token);
    const DWORD size = static_cast<DWORD>(body.size());
    if (!LimitReplyWait(request.handle, ReplyDeadline()) ||
        !WinHttpSendRequest(request.handle, headers.c_str(), static_cast<DWORD>(headers.size()),
                            const_cast<char*>(body.data()), size, size, 0)) {
        error = SendFailure(RequestError());
        return false;
    }
    const ULONGLONG deadline = ReplyDeadline();
    if (!LimitReplyWait(request.handle, deadline) || !WinHttpReceiveResponse(request.handle, nullptr)) {
        error = FormatCode(kNoAnswer, RequestError());
        return false;
    }
    const DWORD status = StatusCode(request.handle);
    const ReplyEnd end = ReadReply(request.handle, deadline, reply);
    if (end == ReplyEnd::kTooLong) {
        error = "Serwer odpowiedzial czyms, czego nie rozumiem.";
        return false;
    }
    if (end == ReplyEnd::kTimedOut) {  // a reply cut short by the clock is no answer
        error = FormatCode(kNoAnswer, ERROR_WINHTTP_TIMEOUT);
        return false;
    }
    if (status == kOk) return true;
    error = FormatCode("Serwer odmowil (kod %lu).\n\n", status) + reply.substr(0, kRefusalBodyShown);
    return false;
}
