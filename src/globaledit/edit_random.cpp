#include "globaledit/edit_random.h"

namespace zt::globaledit {

std::uint64_t EditRandom::next() {
    m_state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t EditRandom::below(std::uint64_t count) {
    // The counts of the Random mode are far below 2^64, so the modulo's bias is immaterial.
    return count == 0 ? 0 : next() % count;
}

}  // namespace zt::globaledit
