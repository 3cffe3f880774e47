#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "params/NumberText.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Equal including the sign of a zero (parsing never yields NaN).
testing::AssertionResult SameDouble(double actual, double expected) {
    if (actual == expected && std::signbit(actual) == std::signbit(expected)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << actual << (std::signbit(actual) ? " (negative)" : "")
                                       << ", expected " << expected
                                       << (std::signbit(expected) ? " (negative)" : "");
}

double Parse(const std::string& text, std::size_t* accepted = nullptr) {
    return ParseDecimalText(text.c_str(), text.size(), accepted);
}

struct DecimalCase {
    const char* text;
    double expected;
    std::size_t accepted;  // characters that belong to the number
};

void PrintTo(const DecimalCase& c, std::ostream* out) { *out << testing::PrintToString(std::string(c.text)); }

class DecimalText : public testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalText, ReadsTheLongestNumberAtTheStart) {
    std::size_t accepted = 99;
    EXPECT_TRUE(SameDouble(Parse(GetParam().text, &accepted), GetParam().expected));
    EXPECT_EQ(accepted, GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecimalText,
    testing::Values(
        // The rest of the text is ignored.
        DecimalCase{"2.5cm", 2.5, 3}, DecimalCase{"1,5", 1.0, 1}, DecimalCase{"1.2.3", 1.2, 3},
        DecimalCase{"-2.5", -2.5, 4}, DecimalCase{"+.5", 0.5, 3}, DecimalCase{"-0", -0.0, 2},
        DecimalCase{".5", 0.5, 2}, DecimalCase{"5.", 5.0, 2}, DecimalCase{"007.250", 7.25, 7},
        // No digit where the number begins: a positive zero, nothing accepted.
        DecimalCase{"", 0.0, 0}, DecimalCase{"abc", 0.0, 0}, DecimalCase{".", 0.0, 0}, DecimalCase{"-", 0.0, 0},
        DecimalCase{"+", 0.0, 0}, DecimalCase{"-.", 0.0, 0}, DecimalCase{"- 5", 0.0, 0},
        DecimalCase{"   ", 0.0, 0}, DecimalCase{"e5", 0.0, 0},
        // No infinities, NaNs or hexadecimal numbers.
        DecimalCase{"inf", 0.0, 0}, DecimalCase{"-inf", 0.0, 0}, DecimalCase{"nan", 0.0, 0},
        DecimalCase{"infinity", 0.0, 0}, DecimalCase{"0x10", 0.0, 1}, DecimalCase{"0x1p3", 0.0, 1},
        // White space of the "C" locale.
        DecimalCase{" \t\n\v\f\r7.25", 7.25, 10},
        // The exponent counts only with a digit.
        DecimalCase{"1e3", 1000.0, 3}, DecimalCase{"1E-2", 0.01, 4}, DecimalCase{"1e+2", 100.0, 4},
        DecimalCase{"1e", 1.0, 1}, DecimalCase{"1e+", 1.0, 1}, DecimalCase{"1e-x", 1.0, 1},
        DecimalCase{"1e5x", 1e5, 3}, DecimalCase{"2.e1", 20.0, 4}, DecimalCase{".5e1", 5.0, 4},
        // Beyond the range: infinities and zeros of the text's sign.
        DecimalCase{"1e999", kInfinity, 5}, DecimalCase{"-1e999", -kInfinity, 6},
        DecimalCase{"1e-400", 0.0, 6}, DecimalCase{"-1e-400", -0.0, 7},
        DecimalCase{"1e99999999999999999999", kInfinity, 22}, DecimalCase{"1e-99999999999999999999", 0.0, 23},
        DecimalCase{"0e999999", 0.0, 8}, DecimalCase{"-0.000e-99999", -0.0, 13},
        DecimalCase{"1.7976931348623157e308", DBL_MAX, 22}, DecimalCase{"1.7976931348623159e308", kInfinity, 22},
        DecimalCase{"12345e304", 1.2345e308, 9}, DecimalCase{"123456e304", kInfinity, 10},
        DecimalCase{"0.1e310", kInfinity, 7}, DecimalCase{"0.001e310", 1e307, 9},
        DecimalCase{"0.0001e-320", 0.0, 11}, DecimalCase{"100e-326", 0.0, 8},
        // Subnormal results are kept.
        DecimalCase{"4e-320", 4e-320, 6}, DecimalCase{"-4e-320", -4e-320, 7}, DecimalCase{"1000e-326", 1e-323, 9},
        DecimalCase{"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min(), 23},
        DecimalCase{"2.4703282292062328e-324", std::numeric_limits<double>::denorm_min(), 23},
        DecimalCase{"2.4703282292062327e-324", 0.0, 23}));

// Correct rounding where the digits beyond the first 19 decide it.
TEST(DecimalTextRounding, ManyDigitsAreRoundedCorrectly) {
    EXPECT_TRUE(SameDouble(Parse("9007199254740993"), 9007199254740992.0));  // tie, to even
    EXPECT_TRUE(SameDouble(Parse("9007199254740993.00000000000000000000001"), 9007199254740994.0));
    EXPECT_TRUE(SameDouble(Parse("9007199254740992.99999999999999999999999"), 9007199254740992.0));
    // 1 + 2^-53, exactly halfway between 1 and the next double: to even.
    EXPECT_TRUE(SameDouble(Parse("1.00000000000000011102230246251565404236316680908203125"), 1.0));
    EXPECT_TRUE(SameDouble(Parse("1.000000000000000111022302462515654042363166809082031250000001"),
                           1.0000000000000002));
    EXPECT_TRUE(SameDouble(Parse("0.1000000000000000055511151231257827021181583404541015625"), 0.1));
    EXPECT_TRUE(SameDouble(Parse(std::string(400, '0') + "1e-400"), 0.0));
    EXPECT_TRUE(SameDouble(Parse("1" + std::string(400, '0') + "e-400"), 1.0));
    EXPECT_TRUE(SameDouble(Parse("0." + std::string(400, '0') + "1e401"), 1.0));
    // Out of range only through the digits' count against the exponent.
    EXPECT_TRUE(SameDouble(Parse("1" + std::string(400, '0') + "e-90"), kInfinity));
    EXPECT_TRUE(SameDouble(Parse("-1" + std::string(400, '0') + "e-800"), -0.0));
    EXPECT_TRUE(SameDouble(Parse("0." + std::string(400, '0') + "1e90"), 1e-311));
    EXPECT_TRUE(SameDouble(Parse("-0." + std::string(300, '0') + "1e-30"), -0.0));
}

// The fields are 16 bytes and may lack their terminator.
TEST(DecimalTextBounds, ReadsAtMostSizeCharactersAndStopsAtZero) {
    const char digits[] = "12345678901234567890";
    EXPECT_TRUE(SameDouble(ParseDecimalText(digits, 16), 1234567890123456.0));
    const char exponentCut[] = "1.5e12";
    EXPECT_TRUE(SameDouble(ParseDecimalText(exponentCut, 4), 1.5));  // "1.5e" with no digit after
    const char zeroInside[] = {'2', '.', '5', '\0', '9', '9'};
    EXPECT_TRUE(SameDouble(ParseDecimalText(zeroInside, sizeof zeroInside), 2.5));
    EXPECT_TRUE(SameDouble(ParseDecimalText(digits, 0), 0.0));
}

// Against the C library's own conversion in the "C" locale (the test
// program's locale), over texts made of the characters that matter.
TEST(DecimalTextAgreement, MatchesStrtodInTheCLocale) {
    std::mt19937 random(20240611);
    const std::string pieces[] = {"0", "1", "5", "9", "00", "123456789", ".", "e", "E", "+", "-", " ", ",", "e-3",
                                  "e+30", "e308", "e-320", "e-330", "e999", "4", "7", "99999999999999999999"};
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> count(1, 12);
    for (int i = 0; i < 50000; ++i) {
        std::string text;
        for (int n = count(random); n > 0; --n) text += pieces[piece(random)];
        char* end = nullptr;
        const double expected = std::strtod(text.c_str(), &end);
        std::size_t accepted = 0;
        const double actual = Parse(text, &accepted);
        ASSERT_TRUE(SameDouble(actual, expected)) << '"' << text << '"';
        ASSERT_EQ(accepted, static_cast<std::size_t>(end - text.c_str())) << '"' << text << '"';
    }
}

struct IntegerCase {
    const char* text;
    std::int32_t expected;
};

void PrintTo(const IntegerCase& c, std::ostream* out) { *out << testing::PrintToString(std::string(c.text)); }

class IntegerText : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerText, ReadsTheDigitsAtTheStartModulo2To32) {
    EXPECT_EQ(ParseIntegerText(GetParam().text, std::strlen(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntegerText,
    testing::Values(IntegerCase{"12", 12}, IntegerCase{"3", 3}, IntegerCase{"", 0}, IntegerCase{"abc", 0},
                    IntegerCase{"7.9", 7}, IntegerCase{" 7", 7}, IntegerCase{" \t\n\v\f\r7", 7},
                    IntegerCase{"12abc", 12}, IntegerCase{"1e3", 1}, IntegerCase{"-5", -5}, IntegerCase{"+5", 5},
                    IntegerCase{"- 5", 0}, IntegerCase{"--5", 0}, IntegerCase{"-", 0}, IntegerCase{"-0", 0},
                    IntegerCase{"2147483647", INT32_MAX}, IntegerCase{"-2147483648", INT32_MIN},
                    IntegerCase{"2147483648", INT32_MIN}, IntegerCase{"-2147483649", INT32_MAX},
                    IntegerCase{"4294967296", 0}, IntegerCase{"4294967308", 12},
                    IntegerCase{"99999999999999999999", 1661992959}, IntegerCase{"0x10", 0}));

TEST(IntegerTextBounds, ReadsAtMostSizeCharactersAndStopsAtZero) {
    const char digits[] = "000000000000001234";
    EXPECT_EQ(ParseIntegerText(digits, 16), 12);
    const char zeroInside[] = {'4', '2', '\0', '9'};
    EXPECT_EQ(ParseIntegerText(zeroInside, sizeof zeroInside), 42);
    EXPECT_EQ(ParseIntegerText(digits, 0), 0);
}

}  // namespace
