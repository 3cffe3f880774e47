#include "params/GenerationParameters.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "host/HostContext.h"
#include "params/NumberText.h"

GenerationParameters Parameters;
ParameterTransfer ParameterTexts;

namespace {

// Host units to user units. A zero scale gives what IEEE division gives
// (an infinity, or NaN for 0/0) without dividing by zero, so the run can
// refuse the non-finite centre later.
double ToUserUnits(double hostUnits, double unitScale) {
    if (unitScale != 0.0) return hostUnits / unitScale;
    if (hostUnits == 0.0 || std::isnan(hostUnits)) return std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    return std::signbit(hostUnits) == std::signbit(unitScale) ? infinity : -infinity;
}

// The cursor relative to the origin on one axis: a 32-bit subtraction that
// wraps, done unsigned so the wrap is defined, converted only afterwards.
double CursorFromOrigin(std::int32_t cursor, std::int32_t origin, double unitScale) {
    const auto difference =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(cursor) - static_cast<std::uint32_t>(origin));
    return ToUserUnits(static_cast<double>(difference), unitScale);
}

double ParseRadius(const char* text) {
    const double value = ParseDecimalText(text, kParameterTextSize);
    return value < 0.0 ? -value : value;  // -0 is not below zero and stays
}

// The typed centre is relative to the user origin; the stored one is absolute.
double ParseCentre(const char* text, std::int32_t origin, double unitScale) {
    return ParseDecimalText(text, kParameterTextSize) + ToUserUnits(static_cast<double>(origin), unitScale);
}

}  // namespace

GenerationParameters DefaultParameters(const ModelerContext& host) {
    GenerationParameters parameters{};
    parameters.ringRadius = 1.0;
    parameters.tubeRadius = 0.5;
    parameters.ringSections = 12;
    parameters.tubeSections = 12;
    parameters.centreX = CursorFromOrigin(*host.cursorX, *host.originX, *host.unitScale);
    parameters.centreY = CursorFromOrigin(*host.cursorY, *host.originY, *host.unitScale);
    parameters.centreZ = CursorFromOrigin(*host.cursorZ, *host.originZ, *host.unitScale);
    return parameters;
}

ParameterTransfer FormatTexts(const GenerationParameters& parameters) {
    ParameterTransfer texts{};
    FormatLengthText(parameters.ringRadius, texts.ringRadiusText, kParameterTextSize);
    FormatLengthText(parameters.tubeRadius, texts.tubeRadiusText, kParameterTextSize);
    FormatCountText(parameters.ringSections, texts.ringSectionsText, kParameterTextSize);
    FormatCountText(parameters.tubeSections, texts.tubeSectionsText, kParameterTextSize);
    FormatLengthText(parameters.centreX, texts.centreXText, kParameterTextSize);
    FormatLengthText(parameters.centreY, texts.centreYText, kParameterTextSize);
    FormatLengthText(parameters.centreZ, texts.centreZText, kParameterTextSize);
    return texts;
}

GenerationParameters ParseTexts(const ParameterTransfer& texts, const ModelerContext& host) {
    GenerationParameters parameters{};
    parameters.ringRadius = ParseRadius(texts.ringRadiusText);
    parameters.tubeRadius = ParseRadius(texts.tubeRadiusText);
    parameters.ringSections = ParseIntegerText(texts.ringSectionsText, kParameterTextSize);
    parameters.tubeSections = ParseIntegerText(texts.tubeSectionsText, kParameterTextSize);
    // The origin and scale as they are now, after the dialog has closed.
    parameters.centreX = ParseCentre(texts.centreXText, *host.originX, *host.unitScale);
    parameters.centreY = ParseCentre(texts.centreYText, *host.originY, *host.unitScale);
    parameters.centreZ = ParseCentre(texts.centreZText, *host.originZ, *host.unitScale);
    return parameters;
}

void LoadDefaultParameters() { Parameters = DefaultParameters(*HostContext); }

void FormatParameterTexts() { ParameterTexts = FormatTexts(Parameters); }

void ParseParameterTexts() { Parameters = ParseTexts(ParameterTexts, *HostContext); }
