// WinHTTP POST requests to the timetable server.
#include "sources/win32/server_http.h"

#include <windows.h>

#include <winhttp.h>

#include <atomic>
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
constexpr DWORD kShortestWaitMs = 1;      // 0 would mean no limit at all

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

// What one request shares with WinHTTP's callback. WinHTTP may still finish
// a call after the request's thread gave up on it at the deadline, so the
// buffers a call fills live here, and the last of the two owners frees it:
// the request's thread, and the request handle (at its closing notice).
struct RequestState {
    HANDLE done = nullptr;       ///< set at each completion of a call
    std::atomic<int> owners{1};  ///< the thread, and the handle once it reports here
    DWORD completion = 0;        ///< what the last completion was
    DWORD error = 0;             ///< the error of a failed call
    DWORD bytes = 0;             ///< bytes available, or bytes read
    std::wstring headers;        ///< sent with the request
    std::string body;            ///< sent with the request
    std::string chunk;           ///< a read's buffer
};

void Release(RequestState* state)
{
    if (state->owners.fetch_sub(1) != 1) return;
    CloseHandle(state->done);
    delete state;
}

void CALLBACK OnRequestStatus(HINTERNET, DWORD_PTR context, DWORD status, void* info, DWORD length)
{
    RequestState* state = reinterpret_cast<RequestState*>(context);
    if (!state) return;
    switch (status) {
    case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
        Release(state);
        return;
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
        state->error = static_cast<WINHTTP_ASYNC_RESULT*>(info)->dwError;
        break;
    case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
        state->bytes = *static_cast<DWORD*>(info);
        break;
    case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
        state->bytes = length;
        break;
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
        break;
    default:
        return;
    }
    state->completion = status;
    SetEvent(state->done);
}

// Every wait of WinHTTP ends after the given time; Wine starts each socket
// wait afresh with it. The reply's own wait has an option of its own,
// infinite unless set.
bool LimitWaits(HINTERNET request, DWORD waitMs)
{
    return WinHttpSetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &waitMs, sizeof waitMs) &&
           WinHttpSetTimeouts(request, gTimeouts.resolveMs, gTimeouts.connectMs, gTimeouts.sendMs,
                              static_cast<int>(waitMs));
}

// Wine reports a wait that ran out as the socket's time-out, Windows as
// WinHTTP's.
DWORD RequestError(DWORD code) { return code == kSocketTimedOut ? static_cast<DWORD>(ERROR_WINHTTP_TIMEOUT) : code; }

// The request handle and what it shares with the callback. Closing it at
// the deadline does not stop a wait already under way in Wine, so its
// waits are cut short first: WinHTTP's own thread then ends too.
struct AsyncRequest {
    HINTERNET handle = nullptr;  ///< null when not opened
    RequestState* state = nullptr;  ///< set when the request is opened
    ~AsyncRequest()
    {
        if (handle) {
            LimitWaits(handle, kShortestWaitMs);
            WinHttpCloseHandle(handle);
        }
        if (state) Release(state);
    }
};

// Opens the request with its callback; false (the error code set) when any
// step fails.
bool OpenAsyncRequest(HINTERNET connection, const std::wstring& path, DWORD flags, AsyncRequest& request)
{
    request.state = new RequestState;
    request.state->done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!request.state->done) return false;
    request.handle = WinHttpOpenRequest(connection, L"POST", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                        WINHTTP_DEFAULT_ACCEPT_TYPES, flags);
    if (!request.handle) return false;
    DWORD_PTR context = reinterpret_cast<DWORD_PTR>(request.state);
    if (!WinHttpSetOption(request.handle, WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context)) return false;
    const DWORD notices = WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS | WINHTTP_CALLBACK_FLAG_HANDLES;
    if (WinHttpSetStatusCallback(request.handle, OnRequestStatus, notices, 0) == WINHTTP_INVALID_STATUS_CALLBACK)
        return false;
    ++request.state->owners;  // from now on the handle's closing notice releases it
    return true;
}

// Waits for the completion of a call that `started` (its return value),
// the one it expects or an error, never past the deadline; false, with the
// error code set, when the call failed or the deadline came first.
bool AwaitCall(const AsyncRequest& request, bool started, DWORD expected, ULONGLONG deadline, DWORD& error)
{
    if (!started) {
        error = RequestError(GetLastError());
        return false;
    }
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
        if (WaitForSingleObject(request.state->done, left) != WAIT_OBJECT_0) {
            error = ERROR_WINHTTP_TIMEOUT;
            return false;
        }
        if (request.state->completion == expected) return true;
        if (request.state->completion == WINHTTP_CALLBACK_STATUS_REQUEST_ERROR) {
            error = RequestError(request.state->error);
            return false;
        }
    }
}

// What is left of the reply's time for WinHTTP's own waits; false, with
// the time-out's error, when nothing is.
bool LimitReplyWait(HINTERNET request, ULONGLONG deadline)
{
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) {
        SetLastError(ERROR_WINHTTP_TIMEOUT);
        return false;
    }
    return LimitWaits(request, static_cast<DWORD>(deadline - now));
}

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

// A number header of the reply; false when the reply has none.
bool NumberHeader(HINTERNET request, DWORD query, DWORD& value)
{
    DWORD size = sizeof value;
    return WinHttpQueryHeaders(request, query | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX, &value,
                               &size, WINHTTP_NO_HEADER_INDEX) != FALSE;
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
    kWhole,     ///< no more data came, and all that the reply announced
    kCut,       ///< a read failed, or less came than the reply announced
    kTooLong,   ///< it grew past any reply the game needs
    kTimedOut,  ///< the request's deadline came before it was whole
};

ReplyEnd EndOfFailedRead(DWORD error) { return error == ERROR_WINHTTP_TIMEOUT ? ReplyEnd::kTimedOut : ReplyEnd::kCut; }

// Reads the body while data comes, until the deadline.
ReplyEnd ReadReply(const AsyncRequest& request, ULONGLONG deadline, std::string& reply)
{
    RequestState& state = *request.state;
    reply.clear();
    for (;;) {
        DWORD error = 0;
        if (!AwaitCall(request,
                       LimitReplyWait(request.handle, deadline) && WinHttpQueryDataAvailable(request.handle, nullptr),
                       WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE, deadline, error))
            return EndOfFailedRead(error);
        const DWORD available = state.bytes;
        if (available == 0) break;
        if (available > kMaxReplyBytes - reply.size()) return ReplyEnd::kTooLong;
        state.chunk.assign(available, '\0');
        if (!AwaitCall(request, WinHttpReadData(request.handle, &state.chunk[0], available, nullptr),
                       WINHTTP_CALLBACK_STATUS_READ_COMPLETE, deadline, error))
            return EndOfFailedRead(error);
        reply.append(state.chunk, 0, state.bytes);
    }
    DWORD announced = 0;
    if (NumberHeader(request.handle, WINHTTP_QUERY_CONTENT_LENGTH, announced) && reply.size() != announced)
        return ReplyEnd::kCut;
    return ReplyEnd::kWhole;
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
    HINTERNET session = WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME,
                                    WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC);
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
                    const std::string& body, std::string& reply, std::string& error, const std::wstring& endpoint,
                    const char* cutReply)
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
    AsyncRequest request;
    if (!OpenAsyncRequest(connection.handle, requestPath, secure, request)) {
        error = FormatCode(kCannotConnect, GetLastError());
        return false;
    }
    // One deadline from the send on, whatever the server does byte by byte.
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(gTimeouts.receiveMs);
    RequestState& state = *request.state;
    state.headers = Headers(station, token);
    state.body = body;
    const DWORD size = static_cast<DWORD>(body.size());
    DWORD code = 0;
    const DWORD headersSize = static_cast<DWORD>(state.headers.size());
    const DWORD_PTR context = reinterpret_cast<DWORD_PTR>(request.state);
    if (!AwaitCall(request,
                   LimitReplyWait(request.handle, deadline) &&
                       WinHttpSendRequest(request.handle, state.headers.c_str(), headersSize, &state.body[0], size,
                                          size, context),
                   WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE, deadline, code)) {
        error = SendFailure(code);
        return false;
    }
    if (!AwaitCall(request, LimitReplyWait(request.handle, deadline) && WinHttpReceiveResponse(request.handle, nullptr),
                   WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE, deadline, code)) {
        error = FormatCode(kNoAnswer, code);
        return false;
    }
    DWORD status = 0;
    if (!NumberHeader(request.handle, WINHTTP_QUERY_STATUS_CODE, status)) status = 0;
    const ReplyEnd replyEnd = ReadReply(request, deadline, reply);
    if (replyEnd == ReplyEnd::kTooLong) {
        error = "Serwer odpowiedzial czyms, czego nie rozumiem.";
        return false;
    }
    if (replyEnd == ReplyEnd::kTimedOut) {  // a reply cut short by the clock is no answer
        error = FormatCode(kNoAnswer, ERROR_WINHTTP_TIMEOUT);
        return false;
    }
    if (status == kOk && replyEnd == ReplyEnd::kWhole) return true;
    if (status == kOk) {
        error = cutReply;
        return false;
    }
    error = FormatCode("Serwer odmowil (kod %lu).\n\n", status) + reply.substr(0, kRefusalBodyShown);
    return false;
}
