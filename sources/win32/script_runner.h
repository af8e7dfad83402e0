// Runs a hidden child process with its output captured, and the timetable
// scripts of "narzedzia" with the first Python interpreter that starts.
#pragma once

#include <windows.h>

#include <string>

// Runs commandLine (its first token found by the system's program search) in
// the game folder, without a window, standard input the null device, output
// and errors into one pipe, appended to output. Waits for the output to end,
// then up to a minute for the process. True only when it ran and ended with
// exit code 0; errorCode is the system's code when the process could not be
// created, else 0.
bool RunProcessCapture(const std::wstring& commandLine, std::string& output, DWORD& errorCode);

// Runs the script with the wait cursor, trying the interpreters in order
// until one starts. Gives the path (UTF-8) that the script's result line
// names, or empty; then log holds the script's output (UTF-8) or, when it
// printed nothing, the message that Python could not be started.
std::string RunTimetableScript(const std::wstring& scriptName, const std::wstring& argumentPath, std::string& log);
