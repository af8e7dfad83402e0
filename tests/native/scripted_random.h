// A scripted sequence of draws in place of the game's generator, for as long
// as the object lives. Draws past the end of the script yield 0 and are
// counted, so a test sees both the order and the number of draws.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "model/random.h"

class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<int> draws = {}) : previous_(SetRandomSource(&Next)) { Script(draws); }
    ~ScriptedRandom() { SetRandomSource(previous_); }
    ScriptedRandom(const ScriptedRandom&) = delete;
    ScriptedRandom& operator=(const ScriptedRandom&) = delete;

    // Starts a new script; the count of draws starts again.
    void Script(std::vector<int> draws)
    {
        draws_ = std::move(draws);
        used_ = 0;
    }
    size_t Used() const { return used_; }
    bool AllUsed() const { return used_ == draws_.size(); }

private:
    static int Next()
    {
        const size_t i = used_++;
        return i < draws_.size() ? draws_[i] : 0;
    }

    static inline std::vector<int> draws_;  ///< the script
    static inline size_t used_ = 0;         ///< draws taken, past the end too
    RandomSource previous_;                 ///< the source to put back
};
