#include "sample/random.h"

#include <cmath>

namespace zt::sample {

namespace {

std::uint64_t splitMix(std::uint64_t& x) {
    x += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

Random::Random(std::uint64_t seed, Stream stream) {
    std::uint64_t x = seed ^ (static_cast<std::uint64_t>(stream) * 0xD1B54A32D192ED03ull);
    for (auto& word : m_state) {
        word = splitMix(x);
    }
}

std::uint64_t Random::next() {
    const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
}

double Random::uniform() {
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

std::uint64_t Random::below(std::uint64_t n) {
    // Rejecting the lowest (2^64 mod n) values leaves every remainder equally likely.
    const std::uint64_t threshold = (0 - n) % n;
    for (;;) {
        const std::uint64_t r = next();
        if (r >= threshold) {
            return r % n;
        }
    }
}

int Random::between(int low, int high) {
    if (high <= low) {
        return low;
    }
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low + 1);
    return static_cast<int>(low + static_cast<std::int64_t>(below(span)));
}

double Random::normal(double mean, double deviation) {
    // Four uniforms have variance 1/3; sqrt(3) scales it to 1.
    const double sum = uniform() + uniform() + uniform() + uniform() - 2.0;
    return mean + deviation * sum * 1.7320508075688772;
}

int Random::roundRandom(double x) {
    if (!(x > 0.0)) {
        return 0;
    }
    const double whole = std::floor(x);
    return static_cast<int>(whole) + (chance(x - whole) ? 1 : 0);
}

void Random::fill(std::span<std::uint8_t> bytes) {
    for (auto& b : bytes) {
        b = byte();
    }
}

}  // namespace zt::sample
