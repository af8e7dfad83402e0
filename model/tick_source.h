// The machine's millisecond clock, which paces the timer, the autosave and the
// delay refresh: GetTickCount64 on Windows, replaceable for tests.
#pragma once

#include <cstdint>

using TickSource = uint64_t (*)();
TickSource SetTickSource(TickSource source);  // nullptr restores the default; returns the old
uint64_t TickNow();                           // the millisecond clock now
