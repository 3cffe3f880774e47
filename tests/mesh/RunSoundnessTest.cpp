#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "MeshTestHost.h"
#include "mesh/Placement.h"
#include "mesh/RingStitch.h"
#include "mesh/RingSweep.h"
#include "mesh/RunSoundness.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::int32_t kMax = INT32_MAX;

GenerationParameters Defaults() { return {1.0, 0.5, 12, 12, 0.0, 0.0, 0.0}; }
HostState EmptyHost(std::int32_t view = 0) { return {1000.0, view, 0, 0, 0}; }

struct JudgeCase {
    const char* name;
    GenerationParameters parameters;
    HostState host;
    RunVerdict verdict;
};

void PrintTo(const JudgeCase& c, std::ostream* out) { *out << c.name; }

class Judge : public testing::TestWithParam<JudgeCase> {};

TEST_P(Judge, RefusesWhatCannotBeBuiltSoundly) {
    EXPECT_EQ(JudgeRun(GetParam().parameters, GetParam().host), GetParam().verdict);
}

GenerationParameters With(void (*change)(GenerationParameters&)) {
    GenerationParameters parameters = Defaults();
    change(parameters);
    return parameters;
}

HostState HostWith(double scale, std::int32_t view, std::int32_t vertices, std::int32_t edges, std::int32_t faces) {
    return {scale, view, vertices, edges, faces};
}

INSTANTIATE_TEST_SUITE_P(
    NonFinite, Judge,
    testing::Values(
        JudgeCase{"defaults", Defaults(), EmptyHost(), RunVerdict::Sound},
        JudgeCase{"negative zero radii are raised",
                  With([](GenerationParameters& p) { p.ringRadius = p.tubeRadius = -0.0; }), EmptyHost(),
                  RunVerdict::Sound},
        JudgeCase{"NaN ring radius", With([](GenerationParameters& p) { p.ringRadius = kNaN; }), EmptyHost(),
                  RunVerdict::NonFiniteValue},
        JudgeCase{"infinite tube radius", With([](GenerationParameters& p) { p.tubeRadius = kInfinity; }),
                  EmptyHost(), RunVerdict::NonFiniteValue},
        JudgeCase{"NaN centre x", With([](GenerationParameters& p) { p.centreX = kNaN; }), EmptyHost(),
                  RunVerdict::NonFiniteValue},
        JudgeCase{"infinite centre y", With([](GenerationParameters& p) { p.centreY = -kInfinity; }), EmptyHost(),
                  RunVerdict::NonFiniteValue},
        JudgeCase{"NaN centre z, no plane", With([](GenerationParameters& p) { p.centreZ = kNaN; }), EmptyHost(5),
                  RunVerdict::NonFiniteValue},
        JudgeCase{"zero scale", Defaults(), HostWith(0.0, 0, 0, 0, 0), RunVerdict::NonFiniteValue},
        JudgeCase{"negative zero scale", Defaults(), HostWith(-0.0, 0, 0, 0, 0), RunVerdict::NonFiniteValue},
        JudgeCase{"NaN scale", Defaults(), HostWith(kNaN, 0, 0, 0, 0), RunVerdict::NonFiniteValue},
        JudgeCase{"infinite scale", Defaults(), HostWith(kInfinity, 0, 0, 0, 0), RunVerdict::NonFiniteValue}));

// At scale 1000 a coordinate reaches |tube radius| + |ring radius| + |centre|
// thousands of host units, plus a few units of margin, and must stay within
// 2147483647.
INSTANTIATE_TEST_SUITE_P(
    Coordinates, Judge,
    testing::Values(
        JudgeCase{"reach just inside",
                  With([](GenerationParameters& p) { p.ringRadius = 2147000.0, p.tubeRadius = 400.5, p.centreY = -83.1; }),
                  EmptyHost(), RunVerdict::Sound},
        JudgeCase{"reach just outside",
                  With([](GenerationParameters& p) { p.ringRadius = 2147000.0, p.tubeRadius = 400.5, p.centreY = -83.2; }),
                  EmptyHost(), RunVerdict::CoordinateOverflow},
        JudgeCase{"tube radius alone", With([](GenerationParameters& p) { p.ringRadius = 0.0, p.tubeRadius = 2147484.0; }),
                  EmptyHost(1), RunVerdict::CoordinateOverflow},
        JudgeCase{"negative radii count by magnitude",
                  With([](GenerationParameters& p) { p.ringRadius = -2147000.0, p.tubeRadius = -484.0; }),
                  EmptyHost(2), RunVerdict::CoordinateOverflow},
        JudgeCase{"centre alone", With([](GenerationParameters& p) { p.centreZ = -2147483.0; }), EmptyHost(),
                  RunVerdict::CoordinateOverflow},
        JudgeCase{"negative scale counts by magnitude",
                  With([](GenerationParameters& p) { p.ringRadius = 2147484.0; }), HostWith(-1000.0, 0, 0, 0, 0),
                  RunVerdict::CoordinateOverflow},
        JudgeCase{"product beyond the double range",
                  With([](GenerationParameters& p) { p.tubeRadius = 1e300; }), HostWith(1e300, 0, 0, 0, 0),
                  RunVerdict::CoordinateOverflow},
        JudgeCase{"no plane: the radii build nothing",
                  With([](GenerationParameters& p) { p.ringRadius = 1e12, p.tubeRadius = 1e12, p.centreX = 2147483.0; }),
                  EmptyHost(3), RunVerdict::Sound},
        JudgeCase{"no plane: the centre still counts", With([](GenerationParameters& p) { p.centreX = 2147484.0; }),
                  EmptyHost(-1), RunVerdict::CoordinateOverflow}));

// R·T new vertices, 3·R·T edges and 2·R·T faces, after the clamps, must fit
// the host's 32-bit counters.
INSTANTIATE_TEST_SUITE_P(
    Counts, Judge,
    testing::Values(
        JudgeCase{"vertices just fit", Defaults(), HostWith(1000.0, 0, kMax - 144, 0, 0), RunVerdict::Sound},
        JudgeCase{"vertices one too many", Defaults(), HostWith(1000.0, 0, kMax - 143, 0, 0), RunVerdict::CountOverflow},
        JudgeCase{"edges just fit", Defaults(), HostWith(1000.0, 0, 0, kMax - 432, 0), RunVerdict::Sound},
        JudgeCase{"edges one too many", Defaults(), HostWith(1000.0, 0, 0, kMax - 431, 0), RunVerdict::CountOverflow},
        JudgeCase{"faces just fit", Defaults(), HostWith(1000.0, 0, 0, 0, kMax - 288), RunVerdict::Sound},
        JudgeCase{"faces one too many", Defaults(), HostWith(1000.0, 0, 0, 0, kMax - 287), RunVerdict::CountOverflow},
        JudgeCase{"clamped counts are the ones that count",
                  With([](GenerationParameters& p) { p.ringSections = -5, p.tubeSections = 0; }),
                  HostWith(1000.0, 0, kMax - 15, 0, 0), RunVerdict::CountOverflow},
        JudgeCase{"vertices fit, edges do not",
                  With([](GenerationParameters& p) { p.ringSections = 30000, p.tubeSections = 30000; }), EmptyHost(),
                  RunVerdict::CountOverflow},
        JudgeCase{"largest counts", With([](GenerationParameters& p) { p.ringSections = p.tubeSections = kMax; }),
                  EmptyHost(), RunVerdict::CountOverflow},
        JudgeCase{"no plane: counts still count",
                  With([](GenerationParameters& p) { p.ringSections = p.tubeSections = 65536; }), EmptyHost(9),
                  RunVerdict::CountOverflow},
        JudgeCase{"a negative counter", Defaults(), HostWith(1000.0, 0, 0, -1, 0), RunVerdict::CountOverflow}));

TEST(RunSoundness, ReadsTheHostState) {
    MemoryHost host;
    host.unitScale = 25.0;
    host.activeView = 2;
    host.AddVertex(0, 0, 0);
    host.AddEdge(0, 0);
    host.AddEdge(0, 0);
    host.AddFace(0, 0, 0);
    host.AddFace(0, 0, 0);
    host.AddFace(0, 0, 0);
    const HostState state = ReadHostState(*host.Context());
    EXPECT_EQ(state.unitScale, 25.0);
    EXPECT_EQ(state.activeView, 2);
    EXPECT_EQ(state.vertexCount, 1);
    EXPECT_EQ(state.edgeCount, 2);
    EXPECT_EQ(state.faceCount, 3);
}

// A run judged sound near the limit stays inside it at every step: no
// coordinate reaches the truncation's saturating guard.
class SoundRunNearTheLimit : public testing::TestWithParam<std::int32_t> {};

TEST_P(SoundRunNearTheLimit, NeverSaturates) {
    GenerationParameters parameters = Defaults();
    parameters.ringSections = 8;
    parameters.tubeSections = 8;
    parameters.ringRadius = 2000000.0;
    parameters.tubeRadius = 147000.0;
    parameters.centreX = parameters.centreY = parameters.centreZ = -483.6;
    BoundHost bound(GetParam());
    ASSERT_EQ(JudgeRun(parameters, ReadHostState(*HostContext)), RunVerdict::Sound);

    SelectVertiesOfArrowAll rings;
    SweepTubeCircles(parameters.ringSections, parameters.tubeSections, rings, parameters.ringRadius,
                     parameters.tubeRadius);
    StitchRings(rings);
    TranslateRings(rings, Offset{parameters.centreX, parameters.centreY, parameters.centreZ});
    std::int32_t lowest = 0;
    for (std::int32_t i = 0; i < bound.host.vertexCount; ++i) {
        const HostPoint p = PointAt(bound.host, i);
        lowest = std::min({lowest, p.x, p.y, p.z});
    }
    EXPECT_GT(lowest, INT32_MIN);
    EXPECT_LE(lowest, -2147000000);  // the run does come close
}

INSTANTIATE_TEST_SUITE_P(Views, SoundRunNearTheLimit, testing::Values(0, 1, 2));

}  // namespace
