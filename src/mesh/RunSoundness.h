// Whether a run can be built without harming the host's model. The entry
// asks before its first change to the host; a run refused here changes
// nothing.
#pragma once

#include <cstdint>

#include "host/ModelerContext.h"
#include "params/GenerationParameters.h"

// What of the host a run's soundness depends on, read once before the run.
struct HostState {
    double unitScale;
    std::int32_t activeView;
    std::int32_t vertexCount;
    std::int32_t edgeCount;
    std::int32_t faceCount;
};

HostState ReadHostState(const ModelerContext& host);

enum class RunVerdict {
    Sound,
    NonFiniteValue,      // a radius, centre or the unit scale is not finite (or the scale is 0)
    CoordinateOverflow,  // a coordinate could leave the signed 32-bit range at some step
    CountOverflow,       // the new elements would overflow a host counter
};

// Decides from the parsed parameters (the sweep's clamps applied to copies)
// and the host state.
RunVerdict JudgeRun(const GenerationParameters& parameters, const HostState& host);
