// The millisecond clock: a steady clock until the program plugs in its own.
#include "model/tick_source.h"

#include <chrono>

namespace {

uint64_t SteadyMillis()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

TickSource gTicks = SteadyMillis;

}  // namespace

TickSource SetTickSource(TickSource source)
{
    TickSource old = gTicks;
    gTicks = source ? source : SteadyMillis;
    return old;
}

uint64_t TickNow() { return gTicks(); }
