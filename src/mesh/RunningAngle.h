// Angles round a circle of n sections, in radians: 0.0 first, then each
// angle the previous one plus the step 2π / n, accumulated in double.
//
// The running sum is deliberate and must stay. For some positions it differs
// from index × step in the last bit, and one bit is enough to move a
// truncated host coordinate by a unit (a sine of 0.49999999999999994 instead
// of 0.5 at scale 1000 gives 499, not 500). The coordinates must stay
// bit-identical to the ones this plug-in has always produced, so do not
// "improve" this into index × step, nor into a table of exact angles.
#pragma once

#include <cmath>
#include <cstdint>

// A full turn, as the plug-in has always written it.
constexpr double kFullTurn = 6.283185307179586;

inline double SectionStep(std::int32_t sections) { return kFullTurn / static_cast<double>(sections); }

class RunningAngle {
public:
    explicit RunningAngle(std::int32_t sections) : step_(SectionStep(sections)) {}

    double Value() const { return angle_; }
    void Advance() { angle_ += step_; }

private:
    double step_;
    double angle_ = 0.0;
};

struct SineCosine {
    double sine;
    double cosine;
};

inline SineCosine SineCosineOf(double angle) { return {std::sin(angle), std::cos(angle)}; }
