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
constexpr int kResolveTimeoutMs = 15000;
constexpr int kConnectTimeoutMs = 15000;
constexpr int kSendTimeoutMs = 30000;
constexpr int kReceiveTimeoutMs = 240000;
constexpr DWORD kOk = 200;
constexpr size_t kRefusalBodyShown = 500;

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

// Reads the body while data comes; false when it grows past any reply the
// game needs.
bool ReadReply(HINTERNET request, std::string& reply)
{
    reply.clear();
    DWORD available = 0;
    while (WinHttpQueryDataAvailable(request, &available) && available > 0) {
        if (available > kMaxReplyBytes - reply.size()) return false;
        std::string chunk(available, '\0');
        DWORD read = 0;
        if (!WinHttpReadData(request, &chunk[0], available, &read)) break;
        reply.append(chunk, 0, read);
    }
    return true;
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
        WinHttpSetTimeouts(session, kResolveTimeoutMs, kConnectTimeoutMs, kSendTimeoutMs, kReceiveTimeoutMs);
    return session;
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
        error = FormatCode("Nie moge polaczyc sie z serwerem (kod bledu %lu).", GetLastError());
        return false;
    }
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    InternetHandle request{WinHttpOpenRequest(connection.handle, L"POST", requestPath.c_str(), nullptr,
                                              WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, secure)};
    if (!request.handle) {
        error = FormatCode("Nie moge polaczyc sie z serwerem (kod bledu %lu).", GetLastError());
        return false;
    }
    const std::wstring headers = Headers(station, token);
    const DWORD size = static_cast<DWORD>(body.size());
    if (!WinHttpSendRequest(request.handle, headers.c_str(), static_cast<DWORD>(headers.size()),
                            const_cast<char*>(body.data()), size, size, 0) ||
        !WinHttpReceiveResponse(request.handle, nullptr)) {
        error = FormatCode("Serwer nie odpowiada (kod bledu %lu).", GetLastError());
        return false;
    }
    const DWORD status = StatusCode(request.handle);
    if (!ReadReply(request.handle, reply)) {
        error = "Serwer odpowiedzial czyms, czego nie rozumiem.";
        return false;
    }
    if (status == kOk) return true;
    error = FormatCode("Serwer odmowil (kod %lu).\n\n", status) + reply.substr(0, kRefusalBodyShown);
    return false;
}
