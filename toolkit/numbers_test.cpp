#include "toolkit/numbers.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ToText, WritesPlainDecimal) {
    EXPECT_EQ(toText(std::int32_t{0}), "0");
    EXPECT_EQ(toText(std::int32_t{-1}), "-1");
    EXPECT_EQ(toText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(toText(std::uint32_t{4294967295u}), "4294967295");
    std::string text = "x";
    for (std::int64_t number : {0LL, -1LL, 4294967295LL, -2147483648LL, -9223372036854775807LL - 1}) appendText(text, number);
    EXPECT_EQ(text, "x0-14294967295-2147483648-9223372036854775808");
}

TEST(ToNumber, ReadsTheLeadingNumberOrLeavesTheTarget) {
    struct Case {
        std::string text;
        double expected;  // 7 where the target must keep its value
    };
    const Case cases[] = {
        {"12", 12},       {"  -0.5xyz", -0.5}, {".5", 0.5},   {"5.", 5},      {"2e3", 2000},
        {"  3.25  ", 3.25}, {"1e2x", 100},     {"+4", 4},     {"1,5", 1},     {"1 000", 1},
        {"\n\t\r 8", 8},  {"0x10", 0},         {"1E-2", 0.01}, {"-.25e+1", -2.5},
        {"", 7},          {"abc", 7},          {"-", 7},      {".", 7},       {"1e", 7},
        {"1e+", 7},       {"e5", 7},           {"1e400", 7},  {"-1e400", 7},  {"inf", 7},
        {"nan", 7},       {"\"5\"", 7},        {"+-1", 7},
    };
    for (const Case& c : cases) {
        double target = 7;
        toNumber(c.text, target);
        EXPECT_DOUBLE_EQ(target, c.expected) << '"' << c.text << '"';
    }
}

TEST(RoundHalfAway, RoundsHalvesAwayFromZero) {
    struct Case {
        double x;
        std::int32_t expected;
    };
    const Case cases[] = {{2.5, 3},   {-2.5, -3}, {2.49, 2}, {0.5, 1},   {-0.4, 0},
                          {34.5, 35}, {34.49, 34}, {0.0, 0}, {-1.5, -2}, {1e12, 2147483647}};
    for (const Case& c : cases) EXPECT_EQ(roundHalfAway(c.x), c.expected) << c.x;
}

TEST(TextHash, WeighsSignedBytesBySquaredPosition) {
    EXPECT_EQ(textHash(""), 0);
    EXPECT_EQ(textHash("z"), 0);
    EXPECT_EQ(textHash("ab"), 98);
    EXPECT_EQ(textHash("abc"), 98 + 4 * 99);
    EXPECT_EQ(textHash(std::string("a\xA7", 2)), -89);  // 0xA7 counts as -89
    // Wraps around in 32 bits instead of overflowing.
    EXPECT_EQ(textHash(std::string(100000, '\x7F')),
              static_cast<std::int32_t>(static_cast<std::uint32_t>(
                  127ull * (99999ull * 100000ull * 199999ull / 6ull))));
}

TEST(Truncate, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(truncateToInt32(1.7), 1);
    EXPECT_EQ(truncateToInt32(-1.5), -1);
    EXPECT_EQ(truncateToInt32(0.9), 0);
    EXPECT_EQ(truncateToInt32(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(truncateToInt32(-1e300), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(truncateToInt64(4294967296.5), 4294967296);
    EXPECT_EQ(truncateToInt64(1e300), std::numeric_limits<std::int64_t>::max());
}
