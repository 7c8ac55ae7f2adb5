#include <gtest/gtest.h>

#include "sample/random.h"

namespace zt::sample {
namespace {

TEST(SampleRandom, SameSeedAndStreamRepeatTheSequence) {
    Random a(42, Stream::Organisation);
    Random b(42, Stream::Organisation);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(a.next(), b.next());
    }
}

TEST(SampleRandom, StreamsAndSeedsDiffer) {
    Random a(42, Stream::Organisation);
    Random b(42, Stream::Games);
    Random c(43, Stream::Organisation);
    int sameStream = 0;
    int sameSeed = 0;
    for (int i = 0; i < 100; ++i) {
        const auto x = a.next();
        sameStream += x == b.next() ? 1 : 0;
        sameSeed += x == c.next() ? 1 : 0;
    }
    EXPECT_EQ(sameStream, 0);
    EXPECT_EQ(sameSeed, 0);
}

TEST(SampleRandom, BetweenCoversBothEndsAndNothingElse) {
    Random rng(7, Stream::Teams);
    std::array<int, 7> seen{};
    for (int i = 0; i < 7000; ++i) {
        const int x = rng.between(-3, 3);
        ASSERT_GE(x, -3);
        ASSERT_LE(x, 3);
        ++seen[static_cast<std::size_t>(x + 3)];
    }
    for (const int count : seen) {
        EXPECT_GT(count, 800);
        EXPECT_LT(count, 1200);
    }
    EXPECT_EQ(rng.between(5, 5), 5);
}

TEST(SampleRandom, UniformStaysInItsInterval) {
    Random rng(9, Stream::Filler);
    double sum = 0;
    for (int i = 0; i < 10000; ++i) {
        const double u = rng.uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        sum += u;
    }
    EXPECT_NEAR(sum / 10000, 0.5, 0.02);
}

TEST(SampleRandom, RandomRoundingKeepsTheExpectedValue) {
    Random rng(11, Stream::History);
    long total = 0;
    for (int i = 0; i < 10000; ++i) {
        const int x = rng.roundRandom(2.3);
        ASSERT_TRUE(x == 2 || x == 3);
        total += x;
    }
    EXPECT_NEAR(total / 10000.0, 2.3, 0.03);
    EXPECT_EQ(rng.roundRandom(-4.0), 0);
}

TEST(SampleRandom, NormalHasBoundedTailsAndTheAskedSpread) {
    Random rng(13, Stream::Schedule);
    double sum = 0;
    double squares = 0;
    for (int i = 0; i < 20000; ++i) {
        const double x = rng.normal(10.0, 2.0);
        ASSERT_GE(x, 10.0 - 2.0 * 3.47);
        ASSERT_LE(x, 10.0 + 2.0 * 3.47);
        sum += x;
        squares += x * x;
    }
    const double mean = sum / 20000;
    EXPECT_NEAR(mean, 10.0, 0.05);
    EXPECT_NEAR(squares / 20000 - mean * mean, 4.0, 0.2);
}

}  // namespace
}  // namespace zt::sample
