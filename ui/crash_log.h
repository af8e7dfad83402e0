// The lines of "crash.log": the exception and one line per stack frame.
#pragma once

#include <cstdint>
#include <string>

constexpr int kMaxCrashFrames = 32;

// Addresses print as 16 upper-case hex digits, the way the Windows C library
// prints a pointer.
std::string CrashHeaderLine(uint32_t code, uint64_t address);

// One frame: symbol and source line, symbol only (file null), or neither
// (symbol null).
std::string CrashFrameLine(int index, uint64_t address, const char* symbol, uint64_t displacement,
                           const char* file, unsigned long line);
