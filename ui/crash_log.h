// The lines of "crash.log": the exception and one line per stack frame.
#pragma once

#include <cstdint>
#include <string>

constexpr int kMaxCrashFrames = 32;

// Addresses print as 16 upper-case hex digits, the way the Windows C library
// prints a pointer.
std::string CrashHeaderLine(uint32_t code, uint64_t address);

// One frame: symbol and source line, symbol only (file null), or neither
// (symbol null). A frame without a source line also names its module and
// the offset in it (module non-null): " in semarion.exe+0x17e2", which the
// program's kept debug information turns into a source line
// (tools/crash_lines.sh) when the shipped program carries none.
std::string CrashFrameLine(int index, uint64_t address, const char* symbol, uint64_t displacement,
                           const char* file, unsigned long line, const char* module = nullptr,
                           uint64_t moduleOffset = 0);
