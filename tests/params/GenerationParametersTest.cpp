#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "host/HostContext.h"
#include "params/GenerationParameters.h"
#include "refhost/MemoryHost.h"

namespace {

// A host with a cursor, an origin and a scale, and texts to edit.
class ParametersFixture : public testing::Test {
protected:
    void SetHost(std::int32_t cursorX, std::int32_t originX, double unitScale) {
        host.cursor[0] = cursorX;
        host.origin[0] = originX;
        host.unitScale = unitScale;
    }
    const ModelerContext& Host() { return *host.Context(); }

    ParameterTransfer TextsWithCentreX(const char* text) {
        ParameterTransfer texts = FormatTexts(DefaultParameters(Host()));
        std::memset(texts.centreXText, 0, kParameterTextSize);
        std::strncpy(texts.centreXText, text, kParameterTextSize - 1);
        return texts;
    }

    MemoryHost host;
};

TEST_F(ParametersFixture, DefaultsAndCursorRelativeToTheOrigin) {
    host.cursor[0] = 2500;
    host.cursor[1] = -750;
    host.cursor[2] = 0;
    host.origin[0] = 500;
    host.origin[1] = 250;
    host.origin[2] = 1000;
    const GenerationParameters parameters = DefaultParameters(Host());
    EXPECT_EQ(parameters.ringRadius, 1.0);
    EXPECT_EQ(parameters.tubeRadius, 0.5);
    EXPECT_EQ(parameters.ringSections, 12);
    EXPECT_EQ(parameters.tubeSections, 12);
    EXPECT_EQ(parameters.centreX, 2.0);
    EXPECT_EQ(parameters.centreY, -1.0);
    EXPECT_EQ(parameters.centreZ, -1.0);

    const ParameterTransfer texts = FormatTexts(parameters);
    EXPECT_STREQ(texts.ringRadiusText, "1.00");
    EXPECT_STREQ(texts.tubeRadiusText, "0.50");
    EXPECT_STREQ(texts.ringSectionsText, "12");
    EXPECT_STREQ(texts.tubeSectionsText, "12");
    EXPECT_STREQ(texts.centreXText, "2.00");
    EXPECT_STREQ(texts.centreYText, "-1.00");
    EXPECT_STREQ(texts.centreZText, "-1.00");
}

// A dialog confirmed without edits: the centre went through its two-decimal
// text, so 1234 host units from the origin come back as 1.23, not 1.234.
TEST_F(ParametersFixture, UntouchedDialogRoundsTheCentreToHundredths) {
    SetHost(700 + 1234, 700, 1000.0);
    const ParameterTransfer texts = FormatTexts(DefaultParameters(Host()));
    EXPECT_STREQ(texts.centreXText, "1.23");
    const GenerationParameters parsed = ParseTexts(texts, Host());
    EXPECT_EQ(parsed.ringRadius, 1.0);
    EXPECT_EQ(parsed.tubeRadius, 0.5);
    EXPECT_EQ(parsed.ringSections, 12);
    EXPECT_EQ(parsed.tubeSections, 12);
    EXPECT_EQ(parsed.centreX, 1.23 + 700.0 / 1000.0);
    EXPECT_NE(parsed.centreX, 1.234 + 700.0 / 1000.0);
}

struct WrapCase {
    std::int32_t cursor, origin;
    double expected;  // at a scale of 1
};

class CursorWrap : public testing::TestWithParam<WrapCase> {};

// The difference is taken in 32 bits before any conversion to double.
TEST_P(CursorWrap, DifferenceWrapsBeforeTheConversion) {
    MemoryHost host;
    host.cursor[2] = GetParam().cursor;
    host.origin[2] = GetParam().origin;
    host.unitScale = 1.0;
    EXPECT_EQ(DefaultParameters(*host.Context()).centreZ, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, CursorWrap,
                         testing::Values(WrapCase{INT32_MAX, -1, -2147483648.0}, WrapCase{INT32_MIN, 1, 2147483647.0},
                                         WrapCase{INT32_MAX, INT32_MIN, -1.0},
                                         WrapCase{INT32_MAX - 5, -5, 2147483647.0}));

struct RecordCase {
    const char* radius;
    double expectedRadius;
    const char* sections;
    std::int32_t expectedSections;
};

void PrintTo(const RecordCase& c, std::ostream* out) { *out << '"' << c.radius << "\", \"" << c.sections << '"'; }

class ParsedRecord : public testing::TestWithParam<RecordCase> {};

// Radii as absolute values, counts as they come, no range check.
TEST_P(ParsedRecord, RadiiAreAbsoluteAndCountsUnchecked) {
    MemoryHost host;
    ParameterTransfer texts{};
    std::strcpy(texts.ringRadiusText, GetParam().radius);
    std::strcpy(texts.tubeRadiusText, GetParam().radius);
    std::strcpy(texts.ringSectionsText, GetParam().sections);
    std::strcpy(texts.tubeSectionsText, GetParam().sections);
    const GenerationParameters parsed = ParseTexts(texts, *host.Context());
    for (double radius : {parsed.ringRadius, parsed.tubeRadius}) {
        EXPECT_EQ(radius, GetParam().expectedRadius);
        EXPECT_EQ(std::signbit(radius), std::signbit(GetParam().expectedRadius));
    }
    EXPECT_EQ(parsed.ringSections, GetParam().expectedSections);
    EXPECT_EQ(parsed.tubeSections, GetParam().expectedSections);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParsedRecord,
    testing::Values(RecordCase{"-2.5", 2.5, "3", 3}, RecordCase{"-0", -0.0, " 7", 7}, RecordCase{"", 0.0, "", 0},
                    RecordCase{"abc", 0.0, "x", 0}, RecordCase{"2.5cm", 2.5, "4294967308", 12},
                    RecordCase{"-1e999", std::numeric_limits<double>::infinity(), "-12", -12},
                    RecordCase{"1e-400", 0.0, "2147483648", INT32_MIN}));

TEST_F(ParametersFixture, EmptyCentreTextGivesTheOrigin) {
    host.origin[0] = 500;
    host.origin[1] = -250;
    host.origin[2] = 1000;
    ParameterTransfer texts = FormatTexts(DefaultParameters(Host()));
    texts.centreXText[0] = texts.centreYText[0] = texts.centreZText[0] = '\0';
    const GenerationParameters parsed = ParseTexts(texts, Host());
    EXPECT_EQ(parsed.centreX, 0.5);
    EXPECT_EQ(parsed.centreY, -0.25);
    EXPECT_EQ(parsed.centreZ, 1.0);
}

TEST_F(ParametersFixture, CentreTextIsRelativeToTheOrigin) {
    SetHost(0, 2000, 1000.0);
    EXPECT_EQ(ParseTexts(TextsWithCentreX("1e3"), Host()).centreX, 1002.0);
    EXPECT_EQ(ParseTexts(TextsWithCentreX("-1.5"), Host()).centreX, 0.5);
}

// The origin and scale are read when parsing, not when the dialog opened.
TEST_F(ParametersFixture, OriginAndScaleAreReadAtParseTime) {
    SetHost(3000, 1000, 1000.0);
    const ParameterTransfer texts = FormatTexts(DefaultParameters(Host()));
    EXPECT_STREQ(texts.centreXText, "2.00");
    host.origin[0] = 4000;
    host.unitScale = 500.0;
    EXPECT_EQ(ParseTexts(texts, Host()).centreX, 2.0 + 8.0);
}

// A far cursor at a tiny scale: the text does not fit as "%01.2f", takes
// the exponent form, leaves the next field alone and reads back the same.
TEST_F(ParametersFixture, FarCentreFitsItsFieldAndKeepsItsMagnitude) {
    SetHost(2000000000, -147483647, 0.001);  // 2147483647 host units away
    host.cursor[1] = -2000000000;
    host.origin[1] = 147483648;  // -2147483648 host units away
    const ParameterTransfer texts = FormatTexts(DefaultParameters(Host()));
    EXPECT_STREQ(texts.centreXText, "2.147483647e+12");
    EXPECT_STREQ(texts.centreYText, "-2.14748365e+12");
    EXPECT_STREQ(texts.centreZText, "0.00");

    const GenerationParameters parsed = ParseTexts(texts, Host());
    EXPECT_EQ(parsed.centreX, 2147483647000.0 + -147483647.0 / 0.001);
    EXPECT_EQ(parsed.centreY, -2147483650000.0 + 147483648.0 / 0.001);
}

// A zero scale gives a non-finite centre (the run refuses it later) without
// dividing by zero.
TEST_F(ParametersFixture, ZeroScaleGivesANonFiniteCentre) {
    SetHost(5, 0, 0.0);
    host.cursor[1] = -5;
    const GenerationParameters defaults = DefaultParameters(Host());
    EXPECT_EQ(defaults.centreX, std::numeric_limits<double>::infinity());
    EXPECT_EQ(defaults.centreY, -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(defaults.centreZ));
    const ParameterTransfer texts = FormatTexts(defaults);
    EXPECT_STREQ(texts.centreXText, "inf");
    EXPECT_STREQ(texts.centreYText, "-inf");

    host.origin[0] = 7;
    const GenerationParameters parsed = ParseTexts(TextsWithCentreX("1.00"), Host());
    EXPECT_EQ(parsed.centreX, std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(parsed.centreY));  // origin 0 over 0
}

// The operations act on the library's records through HostContext and
// change nothing in the host.
TEST_F(ParametersFixture, OperationsUseTheLibraryRecords) {
    SetHost(2500, 500, 1000.0);
    HostContext = host.Context();
    const auto before = host.Image();

    LoadDefaultParameters();
    EXPECT_EQ(Parameters.centreX, 2.0);
    FormatParameterTexts();
    EXPECT_STREQ(ParameterTexts.ringRadiusText, "1.00");
    EXPECT_STREQ(ParameterTexts.centreXText, "2.00");

    std::strcpy(ParameterTexts.ringRadiusText, "-3");
    std::strcpy(ParameterTexts.tubeSectionsText, "8");
    ParseParameterTexts();
    EXPECT_EQ(Parameters.ringRadius, 3.0);
    EXPECT_EQ(Parameters.tubeRadius, 0.5);
    EXPECT_EQ(Parameters.ringSections, 12);
    EXPECT_EQ(Parameters.tubeSections, 8);
    EXPECT_EQ(Parameters.centreX, 2.0 + 0.5);

    EXPECT_EQ(host.Image(), before);
    HostContext = nullptr;
}

// Nothing is remembered: the next load starts from the defaults again.
TEST_F(ParametersFixture, EveryLoadStartsAfresh) {
    SetHost(1000, 0, 1000.0);
    HostContext = host.Context();
    LoadDefaultParameters();
    FormatParameterTexts();
    std::strcpy(ParameterTexts.ringRadiusText, "9");
    std::strcpy(ParameterTexts.centreYText, "Z");
    ParseParameterTexts();
    LoadDefaultParameters();
    FormatParameterTexts();
    EXPECT_EQ(Parameters.ringRadius, 1.0);
    EXPECT_STREQ(ParameterTexts.ringRadiusText, "1.00");
    EXPECT_STREQ(ParameterTexts.centreXText, "1.00");
    EXPECT_STREQ(ParameterTexts.centreYText, "0.00");
    HostContext = nullptr;
}

}  // namespace
