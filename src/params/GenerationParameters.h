// The parameters of one ring-shaped tube, and the seven texts through which
// the dialog shows and returns them.
//
// Lengths are in user units. The centre holds the cursor relative to the
// user origin after loading the defaults (only to make the dialog's texts),
// and the absolute centre after parsing (what the rest of the run uses).
#pragma once

#include <cstdint>

#include "host/ModelerContext.h"

struct GenerationParameters {
    double ringRadius;
    double tubeRadius;
    std::int32_t ringSections;
    std::int32_t tubeSections;
    double centreX;  // R/L, host x
    double centreY;  // F/B, host y
    double centreZ;  // U/D, host z
};

constexpr int kParameterTextSize = 16;  // 15 characters and the terminating zero

// The dialog's transfer record: seven contiguous zero-terminated fields, in
// the order the edit controls are created.
struct ParameterTransfer {
    char ringRadiusText[kParameterTextSize];
    char tubeRadiusText[kParameterTextSize];
    char ringSectionsText[kParameterTextSize];
    char tubeSectionsText[kParameterTextSize];
    char centreXText[kParameterTextSize];
    char centreYText[kParameterTextSize];
    char centreZText[kParameterTextSize];
};
static_assert(sizeof(ParameterTransfer) == 7 * kParameterTextSize);

// The library's single parameter set and transfer record.
extern GenerationParameters Parameters;
extern ParameterTransfer ParameterTexts;

// The defaults (1.0, 0.5, 12, 12) and the cursor relative to the user
// origin over *unitScale, read through HostContext, into Parameters.
void LoadDefaultParameters();
// Parameters → ParameterTexts ("%01.2f" for lengths, "%d" for counts).
void FormatParameterTexts();
// ParameterTexts → Parameters: radii as absolute values, counts as given,
// the centre plus the origin over *unitScale, read through HostContext.
void ParseParameterTexts();

// The same steps as pure functions, for the operations above and for tests.
GenerationParameters DefaultParameters(const ModelerContext& host);
ParameterTransfer FormatTexts(const GenerationParameters& parameters);
GenerationParameters ParseTexts(const ParameterTransfer& texts, const ModelerContext& host);
