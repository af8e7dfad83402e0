// The HTTP transport of the timetable server: one POST through WinHTTP that
// blocks its caller until the reply is whole or the reply's time is up.
#pragma once

#include <windows.h>

#include <winhttp.h>

#include <string>

// How long each stage of a request may take, in milliseconds.
struct ServerTimeouts {
    int resolveMs;  ///< to resolve the server's name
    int connectMs;  ///< to connect
    int sendMs;     ///< to send the request
    int receiveMs;  ///< for the whole reply, its headers and its body
};
// 15 s to resolve the name and to connect, 30 s to send, 240 s for the reply
// (a server may build today's timetable meanwhile).
constexpr ServerTimeouts kServerTimeouts = {15000, 15000, 30000, 240000};
// Tests shorten them; returns the old ones.
ServerTimeouts SetServerTimeouts(const ServerTimeouts& timeouts);

// The WinHTTP session of one request, asynchronous, with the time-outs.
// Null when WinHTTP cannot be opened; the caller closes it.
HINTERNET OpenServerSession();

// POSTs body to the endpoint under the server address, with the station and
// token headers. The reply's time counts from the send, once, whatever the
// server sends meanwhile. True only for status 200, with the whole reply
// body; false with the error text set and the reply holding whatever was
// read: cutReply when a status 200 reply ended before it was whole (a read
// failed, or less came than it announced).
bool HttpPostBinary(const std::wstring& server, const std::string& token, const std::wstring& station,
                    const std::string& body, std::string& reply, std::string& error, const std::wstring& endpoint,
                    const char* cutReply);

// The X-Stacja form of a station name: UTF-8, percent-encoded.
std::string PercentEncodeUtf8(const std::wstring& text);
