// The window-free half of running a timetable script: the interpreters tried,
// the command line, the result line of the script's output and the message
// when no interpreter starts.
#pragma once

#include <cstdint>
#include <string>

// Interpreters tried in order, as bare names for the system's program search.
constexpr const wchar_t* kInterpreters[] = {L"py.exe", L"python.exe", L"python3.exe"};

// The marker of the result line in the script's output.
constexpr char kResultMarker[] = "PLIK: ";

// gameFolder "\narzedzia\" scriptName: where the scripts lie.
std::wstring ScriptPath(const std::wstring& gameFolder, const std::wstring& scriptName);

// interpreter "scriptPath" "argument", as one line for the process creation.
std::wstring ScriptCommandLine(const std::wstring& interpreter, const std::wstring& scriptPath,
                               const std::wstring& argument);

// The path after the last "PLIK: " of the output, up to its line feed, with CR
// and blanks cut from its end; empty when there is no such line.
std::string ScriptResultPath(const std::string& output);

// What the player reads (UTF-8) when no interpreter could run scriptName;
// errorCode is the system's code of the first failed start.
std::string InterpreterFailureMessage(uint32_t errorCode, const std::wstring& scriptName);
