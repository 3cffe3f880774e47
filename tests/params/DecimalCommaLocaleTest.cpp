#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "params/GenerationParameters.h"
#include "params/NumberText.h"
#include "refhost/MemoryHost.h"

namespace {

constexpr const char* kCommaLocale = "de_DE.UTF-8";

// The host process may run with a locale whose decimal point is a comma;
// the texts must stay those of the "C" locale.
class DecimalCommaLocale : public testing::Test {
protected:
    void SetUp() override {
        if (std::setlocale(LC_ALL, kCommaLocale) == nullptr) {
            FAIL() << "The locale " << kCommaLocale << " is not installed. Make it with:\n"
                   << "  apt-get install -y locales && localedef -i de_DE -f UTF-8 de_DE.UTF-8";
        }
        // The locale really has a decimal comma, so the checks below mean something.
        char printed[32];
        std::snprintf(printed, sizeof printed, "%01.2f", 1.5);
        ASSERT_STREQ(printed, "1,50");
        ASSERT_EQ(std::strtod("1,5", nullptr), 1.5);
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(DecimalCommaLocale, TextsKeepTheDecimalPeriod) {
    char field[kParameterTextSize];
    FormatLengthText(1.5, field, sizeof field);
    EXPECT_STREQ(field, "1.50");
    FormatLengthText(-1234567.125, field, sizeof field);
    EXPECT_STREQ(field, "-1234567.12");  // no grouping
    FormatLengthText(2147483647000.0, field, sizeof field);
    EXPECT_STREQ(field, "2.147483647e+12");
    FormatCountText(-1234567, field, sizeof field);
    EXPECT_STREQ(field, "-1234567");

    MemoryHost host;
    host.cursor[0] = 1234;
    const ParameterTransfer texts = FormatTexts(DefaultParameters(*host.Context()));
    EXPECT_STREQ(texts.ringRadiusText, "1.00");
    EXPECT_STREQ(texts.tubeRadiusText, "0.50");
    EXPECT_STREQ(texts.centreXText, "1.23");
}

TEST_F(DecimalCommaLocale, ParsingReadsAPeriodAndStopsAtAComma) {
    EXPECT_EQ(ParseDecimalText("2.5", 3), 2.5);
    EXPECT_EQ(ParseDecimalText("1,5", 3), 1.0);
    EXPECT_EQ(ParseDecimalText(" 1e3", 4), 1000.0);
    EXPECT_EQ(ParseIntegerText("1.234", 5), 1);

    MemoryHost host;
    ParameterTransfer texts{};
    std::strcpy(texts.ringRadiusText, "-2.5");
    std::strcpy(texts.tubeRadiusText, "0,75");
    std::strcpy(texts.centreXText, "1.23");
    const GenerationParameters parsed = ParseTexts(texts, *host.Context());
    EXPECT_EQ(parsed.ringRadius, 2.5);
    EXPECT_EQ(parsed.tubeRadius, 0.0);
    EXPECT_EQ(parsed.centreX, 1.23);
}

}  // namespace
