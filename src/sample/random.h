#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace zt::sample {

// Independent sub-sequences of one seed, so that one part of the league changing the number
// of draws it makes leaves the others unchanged.
enum class Stream : std::uint64_t {
    Teams = 1,
    Organisation,
    History,
    Schedule,
    Games,
    Filler,
    SideFiles,
    Database,
};

// xoshiro256** seeded through splitmix64. The library's own generator, with its own
// conversions to ranges, so the same seed gives the same league with every standard library.
class Random {
public:
    Random(std::uint64_t seed, Stream stream);

    std::uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    // Uniform integer in [0, n); n > 0.
    std::uint64_t below(std::uint64_t n);
    // Uniform integer in [low, high].
    int between(int low, int high);
    bool chance(double probability) { return uniform() < probability; }
    // Roughly normal (a sum of four uniforms): bounded tails keep generated values sane.
    double normal(double mean, double deviation);
    // floor(x) plus one with the probability of x's fraction: counts keep their expected value.
    int roundRandom(double x);
    std::uint8_t byte() { return static_cast<std::uint8_t>(next() >> 56); }
    void fill(std::span<std::uint8_t> bytes);

    template <class T>
    void shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) {
            std::swap(items[i - 1], items[static_cast<std::size_t>(below(i))]);
        }
    }

    template <class T>
    const T& pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(below(items.size()))];
    }

private:
    std::array<std::uint64_t, 4> m_state{};
};

}  // namespace zt::sample
