// Win32 tests: paths under the fixtures folder on the drive the suite runs
// from, so that they hold whatever folder an earlier test left current (the
// fixtures' own path starts at a root and names no drive).
#pragma once

#include <windows.h>

#include <string>

inline std::string FixturePath(const std::string& rest)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string drive = module[0] && module[1] == ':' ? std::string(module, 2) : std::string();
    return drive + SEMARION_FIXTURES + rest;
}
