// The sweep's own copies of its arguments, raised to usable values. The run
// judges its soundness on the same copies.
#pragma once

#include <cstdint>

struct SweepArguments {
    std::int32_t ringSections;
    std::int32_t tubeSections;
    double ringRadius;
    double tubeRadius;
};

constexpr std::int32_t kMinimumSections = 4;
constexpr double kSmallestRadius = 0.0001;

// A radius equal to zero (-0.0 included) becomes 0.0001; negative and tiny
// radii stay. A count below 4 (zero and negatives included) becomes 4;
// there is no upper limit here.
inline SweepArguments ClampSweepArguments(std::int32_t ringSections, std::int32_t tubeSections, double ringRadius,
                                          double tubeRadius) {
    SweepArguments clamped{ringSections, tubeSections, ringRadius, tubeRadius};
    if (clamped.ringRadius == 0.0) clamped.ringRadius = kSmallestRadius;
    if (clamped.ringSections < kMinimumSections) clamped.ringSections = kMinimumSections;
    if (clamped.tubeRadius == 0.0) clamped.tubeRadius = kSmallestRadius;
    if (clamped.tubeSections < kMinimumSections) clamped.tubeSections = kMinimumSections;
    return clamped;
}
