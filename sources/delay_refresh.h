// The background refresh of today's delays: one short-lived thread at a time
// asks the timetable server for a newer delays text, and the timer message
// takes the answer in.
#pragma once

#include <cstdint>
#include <string>

class Game;

// The server request that the thread makes: the new delays text, or empty
// with the error set (RefreshDelays on Windows).
using DelaysTransport = std::string (*)(const std::string& current, std::string& error);
DelaysTransport SetDelaysTransport(DelaysTransport transport);  // returns the old one

constexpr int32_t kFailedRefreshMinutes = 15;

// [Rozklad] OdswiezanieMinut, read from the file now.
int32_t DelayRefreshMinutes();

// The request text that the next refresh sends.
void StoreDelaysRequest(const std::string& text);
// A game begins: a refresh under way, or its answer waiting, belongs to the
// last game and is dropped; nothing is sent until the new game's text is stored.
void ForgetDelayRefresh();
// Whether a refresh thread is running.
bool DelayRefreshBusy();

// What the poll is told of the program at each call.
struct RefreshGate {
    bool gameRunning = false;  ///< a game runs
    bool clockFree = false;    ///< the clock runs at real time or slower and no pause holds it
};

// Once per timer message that runs steps: takes a waiting answer or error in,
// then starts a refresh when one is due.
void PollDelayRefresh(Game& game, const RefreshGate& gate);

// The thread's work: the request text out, the answer or error back.
void DelayRefreshThread();
