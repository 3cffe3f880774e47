#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "params/GenerationParameters.h"
#include "params/NumberText.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr unsigned char kCanary = 0x5A;

std::string FormatLength(double value) {
    char field[kParameterTextSize];
    FormatLengthText(value, field, sizeof field);
    return field;
}

// What the C library prints with "%01.2f" in the "C" locale, the test
// program's locale.
std::string Printed(double value) {
    char text[400];
    std::snprintf(text, sizeof text, "%01.2f", value);
    return text;
}

struct LengthCase {
    double value;
    const char* expected;
};

void PrintTo(const LengthCase& c, std::ostream* out) { *out << c.expected; }

class LengthText : public testing::TestWithParam<LengthCase> {};

TEST_P(LengthText, IsFixedWithTwoDecimals) { EXPECT_EQ(FormatLength(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, LengthText,
    testing::Values(LengthCase{1.0, "1.00"}, LengthCase{0.5, "0.50"}, LengthCase{1234.5, "1234.50"},
                    LengthCase{1.234, "1.23"}, LengthCase{0.0, "0.00"}, LengthCase{1e-300, "0.00"},
                    // Rounded from the exact binary value, exact halves to even.
                    LengthCase{0.125, "0.12"}, LengthCase{0.375, "0.38"}, LengthCase{0.625, "0.62"},
                    LengthCase{2.675, "2.67"}, LengthCase{1.005, "1.00"}, LengthCase{0.015, "0.01"},
                    LengthCase{0.025, "0.03"}, LengthCase{-0.125, "-0.12"},
                    // A negative value keeps its sign even when it shows as zero.
                    LengthCase{-0.0, "-0.00"}, LengthCase{-0.001, "-0.00"}, LengthCase{-2.5, "-2.50"},
                    // Exactly 15 characters still fit.
                    LengthCase{999999999999.99, "999999999999.99"}, LengthCase{-99999999999.99, "-99999999999.99"},
                    // Longer texts take the exponent form with the most digits that fits.
                    LengthCase{1e12, "1e+12"}, LengthCase{1e15, "1e+15"}, LengthCase{3e12, "3e+12"},
                    LengthCase{2147483647000.0, "2.147483647e+12"}, LengthCase{-2147483648000.0, "-2.14748365e+12"},
                    LengthCase{1.2345678901234567e300, "1.23456789e+300"}, LengthCase{-DBL_MAX, "-1.7976931e+308"},
                    LengthCase{2.9999999999999e14, "3e+14"},
                    // Non-finite values as the conversion writes them.
                    LengthCase{kInfinity, "inf"}, LengthCase{-kInfinity, "-inf"},
                    LengthCase{std::numeric_limits<double>::quiet_NaN(), "nan"}));

// Wherever "%01.2f" fits the field, the text is exactly the C library's.
TEST(LengthTextAgreement, MatchesPrintfInTheCLocale) {
    std::vector<double> values = {0.005, 0.045, 0.055, 1.115, 1.125, 1.135, 10.005, 100.125, -0.005, -1.125,
                                  -0.0049999, 0.0050001, 999999999999.995, -99999999999.995, 4e-320};
    std::mt19937_64 random(77);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> scale(-4, 12);
    std::uniform_int_distribution<std::int64_t> thousandths(-10000000, 10000000);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(unit(random) * std::pow(10.0, scale(random)));
        values.push_back(static_cast<double>(thousandths(random)) / 1000.0);  // many near-halves
        values.push_back(static_cast<double>(thousandths(random)) / 8.0);     // exact halves
    }
    for (double value : values) {
        const std::string printed = Printed(value);
        if (printed.size() >= kParameterTextSize) continue;
        ASSERT_EQ(FormatLength(value), printed) << value;
    }
}

// A text that does not fit shows fewer digits, never a cut-off number: it
// reads back as the same value to the digits it shows.
TEST(LengthTextFallback, ReadsBackAsTheSameMagnitude) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(12, 308);
    for (int i = 0; i < 5000; ++i) {
        const double magnitude = mantissa(random) * std::pow(10.0, exponent(random));
        if (!std::isfinite(magnitude)) continue;
        for (double value : {magnitude, -magnitude}) {
            const std::string text = FormatLength(value);
            ASSERT_LT(text.size(), static_cast<std::size_t>(kParameterTextSize)) << text;
            ASSERT_NE(text.find('e'), std::string::npos) << text;
            const double back = ParseDecimalText(text.c_str(), text.size());
            ASSERT_LE(std::fabs(back - value), 1e-7 * std::fabs(value)) << value << " as " << text;
        }
    }
}

// The field is never written past, whatever the value.
TEST(LengthTextFallback, NeverWritesPastTheField) {
    const double values[] = {DBL_MAX, -DBL_MAX, 1e15, -2147483648000.0, kInfinity, -kInfinity,
                             -std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::denorm_min(),
                             123456789012.345, -0.0};
    for (double value : values) {
        unsigned char buffer[2 * kParameterTextSize];
        std::memset(buffer, kCanary, sizeof buffer);
        char* field = reinterpret_cast<char*>(buffer);
        FormatLengthText(value, field, kParameterTextSize);
        EXPECT_LT(strnlen(field, kParameterTextSize), static_cast<std::size_t>(kParameterTextSize)) << value;
        for (std::size_t i = kParameterTextSize; i < sizeof buffer; ++i) {
            ASSERT_EQ(buffer[i], kCanary) << value << " wrote byte " << i;
        }
    }
}

TEST(LengthTextFallback, SmallFieldsGetWhatFitsOrNothing) {
    char field[8];
    FormatLengthText(-DBL_MAX, field, sizeof field);
    EXPECT_STREQ(field, "-2e+308");
    FormatLengthText(1e20, field, 4);
    EXPECT_STREQ(field, "");
}

struct CountCase {
    std::int32_t value;
    const char* expected;
};

void PrintTo(const CountCase& c, std::ostream* out) { *out << c.expected; }

class CountText : public testing::TestWithParam<CountCase> {};

TEST_P(CountText, IsPlainDecimal) {
    unsigned char buffer[2 * kParameterTextSize];
    std::memset(buffer, kCanary, sizeof buffer);
    char* field = reinterpret_cast<char*>(buffer);
    FormatCountText(GetParam().value, field, kParameterTextSize);
    EXPECT_STREQ(field, GetParam().expected);
    EXPECT_EQ(buffer[kParameterTextSize], kCanary);
}

INSTANTIATE_TEST_SUITE_P(Cases, CountText,
                         testing::Values(CountCase{12, "12"}, CountCase{0, "0"}, CountCase{-5, "-5"},
                                         CountCase{INT32_MAX, "2147483647"}, CountCase{INT32_MIN, "-2147483648"}));

}  // namespace
