// The one pseudo-random generator of the game. Every draw goes through
// RandomValue(), so tests can seed it or put a source of their own in its place.
#pragma once

using RandomSource = int (*)();

int RandomValue();                              // next draw, 0..RAND_MAX
void SeedRandom(unsigned seed);                 // seeds the standard generator
RandomSource SetRandomSource(RandomSource src); // nullptr restores the standard one; returns the old
