// The [Rozklad] keys of the settings file: the timetable server's address and
// token and the delay refresh's interval. Only the timetable sources use them,
// and they read them afresh at every use, the delay-refresh thread too. The
// program owns the file and plugs its reader in at start-up, before any thread.
#pragma once

#include <string>

// The key's value as the settings file gives it (a built-in server and token
// stand in for empty ones).
using RozkladReader = std::string (*)(const std::string& key);
RozkladReader SetRozkladReader(RozkladReader reader);  // nullptr: every key empty; returns the old one
std::string RozkladSetting(const std::string& key);
