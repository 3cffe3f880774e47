#include "mesh/RunSoundness.h"

#include <cmath>

#include "mesh/SweepArguments.h"

namespace {

constexpr double kLargestCoordinate = 2147483647.0;
// Truncation only ever moves a value toward zero, and with |sin|, |cos| ≤ 1
// every product is bounded by the magnitudes used below (rounding is
// monotone); what is left is the rounding of a few sums near 2^31, far below
// a unit. A few units of margin cover it.
constexpr double kRoundingMargin = 4.0;
constexpr std::int64_t kLargestCount = INT32_MAX;

bool IsFinite(double value) { return std::isfinite(value); }  // false for NaN

bool InRingPlane(std::int32_t view) { return view >= 0 && view <= 2; }

// The largest magnitude that a new vertex's coordinate on an axis can reach
// at any step of the run, in host units. Each step only adds to the bound
// of the step before, so the last bound covers them all:
// - the circle: at most |tube radius · scale|;
// - the turn: in each view it turns a coordinate pair of which one is 0, so
//   neither coordinate grows beyond the circle's bound;
// - the sweep's move: at most |ring radius · scale| more;
// - the placement: at most |centre · scale| more.
// In a view outside 0..2 the circle is neither built, turned nor moved: the
// placement term alone remains.
double ReachOnAxis(const SweepArguments& sweep, double centre, double scale, std::int32_t view) {
    const double swept = InRingPlane(view) ? std::fabs(sweep.tubeRadius) * scale + std::fabs(sweep.ringRadius) * scale : 0.0;
    return swept + std::fabs(centre) * scale + kRoundingMargin;
}

// Whether `added` more elements fit a host counter that holds `count`.
bool FitsCounter(std::int32_t count, std::int64_t added) {
    // A negative counter is not one anything can be appended to.
    return count >= 0 && added <= kLargestCount - count;
}

}  // namespace

HostState ReadHostState(const ModelerContext& host) {
    return {*host.unitScale, *host.activeView, *host.vertexCount, *host.edgeCount, *host.faceCount};
}

RunVerdict JudgeRun(const GenerationParameters& parameters, const HostState& host) {
    const SweepArguments sweep = ClampSweepArguments(parameters.ringSections, parameters.tubeSections,
                                                     parameters.ringRadius, parameters.tubeRadius);
    const double centre[3] = {parameters.centreX, parameters.centreY, parameters.centreZ};

    // Every test is written so that NaN fails it.
    const bool finite = IsFinite(sweep.ringRadius) && IsFinite(sweep.tubeRadius) && IsFinite(centre[0]) &&
                        IsFinite(centre[1]) && IsFinite(centre[2]) && IsFinite(host.unitScale) &&
                        host.unitScale != 0.0;
    if (!finite) return RunVerdict::NonFiniteValue;

    const double scale = std::fabs(host.unitScale);
    for (const double component : centre)
        if (!(ReachOnAxis(sweep, component, scale, host.activeView) <= kLargestCoordinate))
            return RunVerdict::CoordinateOverflow;

    // R·T < 2^62 after the clamps; once it fits a counter, 3·R·T fits too.
    const std::int64_t vertices = std::int64_t{sweep.ringSections} * sweep.tubeSections;
    if (!FitsCounter(host.vertexCount, vertices)) return RunVerdict::CountOverflow;
    if (!FitsCounter(host.edgeCount, 3 * vertices)) return RunVerdict::CountOverflow;
    if (!FitsCounter(host.faceCount, 2 * vertices)) return RunVerdict::CountOverflow;
    return RunVerdict::Sound;
}
