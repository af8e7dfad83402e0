// The shared pseudo-random generator: the standard library's, replaceable.
#include "model/random.h"

#include <cstdlib>

namespace {
int StandardDraw() { return std::rand(); }
RandomSource gSource = StandardDraw;
}  // namespace

int RandomValue() { return gSource(); }

void SeedRandom(unsigned seed) { std::srand(seed); }

RandomSource SetRandomSource(RandomSource src)
{
    RandomSource old = gSource;
    gSource = src ? src : StandardDraw;
    return old;
}
