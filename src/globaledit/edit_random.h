#pragma once

#include <cstdint>

namespace zt::globaledit {

// The pseudo-random numbers of the Random mode. Our own generator (SplitMix64), so that a seed
// gives the same values with every compiler and standard library: tests, the --seed option of
// the command-line tool and the window all draw the same sequence from the same seed.
class EditRandom {
public:
    explicit EditRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next();
    // A whole number from 0 to count - 1; 0 when count is 0.
    std::uint64_t below(std::uint64_t count);

private:
    std::uint64_t m_state;
};

}  // namespace zt::globaledit
