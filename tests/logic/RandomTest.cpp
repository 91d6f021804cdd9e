// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "game/ColorDraw.h"
#include "runtime/Generator.h"
#include "window/Palette.h"

namespace diruvari {
namespace {

constexpr float largestBelowOne = 0.99999994F;

TEST(ColorDraw, NumbersNearestOneDrawTheLastColourNeverOnePast) {
    ASSERT_EQ(largestBelowOne, std::nextafter(1.0F, 0.0F));
    for (int n = 3; n <= 6; ++n) {
        float u = largestBelowOne;
        for (int step = 0; step < 10000; ++step, u = std::nextafter(u, 0.0F)) {
            ASSERT_EQ(colorDraw(u, n), n - 1) << "n = " << n << ", u = " << u;
        }
        EXPECT_EQ(colorDraw(0.0F, n), 0) << "n = " << n;
    }
}

TEST(ColorDraw, SplitsTheUnitIntervalEvenly) {
    EXPECT_EQ(colorDraw(0.3333F, 3), 0);
    EXPECT_EQ(colorDraw(0.3334F, 3), 1);
    EXPECT_EQ(colorDraw(0.5F, 4), 2);
    EXPECT_EQ(colorDraw(0.8F, 5), 4);
    EXPECT_EQ(colorDraw(0.5F, 6), 3);
}

TEST(Generator, NumbersStayInTheUnitIntervalAndReachEveryColour) {
    Generator generator([] { return std::uint64_t{42}; });
    generator.reseed();
    std::vector<int> counts(6);
    for (int i = 0; i < 60000; ++i) {
        const float u = generator.next();
        ASSERT_GE(u, 0.0F);
        ASSERT_LT(u, 1.0F);
        ++counts.at(static_cast<std::size_t>(colorDraw(u, 6)));
    }
    for (const int count : counts) {
        EXPECT_NEAR(count, 10000, 500);
    }
}

std::vector<float> deal(Generator& generator) {
    generator.reseed();
    std::vector<float> numbers;
    for (int i = 0; i < 16; ++i) {
        numbers.push_back(generator.next());
    }
    return numbers;
}

TEST(Generator, ReseedsAtTheSameClockReadingStillDealDifferently) {
    Generator generator([] { return std::uint64_t{1'700'000'000'000'000'000}; });
    std::set<std::vector<float>> deals;
    for (int i = 0; i < 100; ++i) {
        deals.insert(deal(generator));
    }
    EXPECT_EQ(deals.size(), 100U);
}

TEST(Generator, TwoReseedsWithNoDrawBetweenStillDiffer) {
    Generator generator([] { return std::uint64_t{7}; });
    generator.reseed();
    Generator copy = generator;
    copy.reseed();
    EXPECT_NE(generator.next(), copy.next());
}

TEST(Generator, ReseedTakesTheClockIntoAccount) {
    std::uint64_t now = 1000;
    Generator a([&now] { return now; });
    Generator b = a;
    a.reseed();
    now = 1001;
    b.reseed();
    EXPECT_NE(a.next(), b.next());
}

TEST(Generator, TheSystemClockReadsNanosecondsAndMovesOn) {
    constexpr std::uint64_t year2020 = 1'577'836'800'000'000'000;
    const std::uint64_t first = Generator::systemClock();
    EXPECT_GT(first, year2020) << "not nanoseconds since the epoch";
    std::uint64_t later = first;
    for (int i = 0; i < 1'000'000 && later == first; ++i) {
        later = Generator::systemClock();
    }
    EXPECT_GT(later, first);
    EXPECT_LT(later - first, 1'000'000'000U) << "readings a second apart";
}

}  // namespace
}  // namespace diruvari
