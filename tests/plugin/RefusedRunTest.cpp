// Runs that cannot be built soundly, and runs the platform fails: the host
// keeps its model, the run answers false with the hand beep and leaves
// nothing behind.
#include <string>
#include <vector>

#include "platform/TModule.h"
#include "platform/WindowSystem.h"
#include "plugin/PluginRunFixture.h"

namespace {

constexpr std::uint32_t kHand = 0x10;

struct RefusedCase {
    const char* name;
    double unitScale;
    std::vector<std::pair<int, std::string>> texts;  // pasted before OK
};

class RefusedRunTest : public PluginRunTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedRunTest, ChangesNothingAndSoundsTheHandBeep) {
    const RefusedCase& refused = GetParam();
    host.unitScale = refused.unitScale;
    host.AddVertex(1, 2, 3, 1);
    host.AddEdge(0, 0);
    host.selectedVertexCount = 1;
    user.attend = [&](HeadlessDialog& dialog) {
        for (const auto& [controlId, text] : refused.texts) dialog.PasteText(controlId, text);
        dialog.PressButton(kOkCommand);
    };
    const std::vector<std::uint8_t> before = host.Image();

    EXPECT_FALSE(Run());

    EXPECT_EQ(host.Image(), before);
    EXPECT_TRUE(host.CallLog().empty());
    EXPECT_EQ(HeadlessServices().beeps, std::vector<std::uint32_t>{kHand});
    ExpectRunObjectsGone();
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, RefusedRunTest,
    ::testing::Values(
        RefusedCase{"UnitScaleZero", 0.0, {}},
        RefusedCase{"RadiusBeyondTheDoubles", 1000.0, {{102, "1e999"}}},
        RefusedCase{"CentreBeyondTheDoubles", 1000.0, {{112, "-1e400"}}},
        RefusedCase{"RingBeyondTheCoordinates", 1000.0, {{102, "3000000"}}},
        RefusedCase{"CentreBeyondTheCoordinates", 1.0, {{113, "2147483647"}}},
        RefusedCase{"VertexCounterOverflow", 1000.0, {{104, "65536"}, {105, "65536"}}},
        RefusedCase{"EdgeCounterOverflow", 1000.0, {{104, "40000"}, {105, "20000"}}}),
    CaseName());

TEST_F(PluginRunTest, ADialogThePlatformCannotMakeFailsTheRunWithoutHarm) {
    // A module object whose resources lack template 2000: the window
    // system's own library registered none.
    delete PluginModule;
    PluginModule = new TModule("dravik.exe", ModuleContaining(reinterpret_cast<const void*>(&HeadlessServices)));
    host.AddVertex(1, 2, 3, 1);
    const std::vector<std::uint8_t> before = host.Image();

    EXPECT_FALSE(Run());

    EXPECT_EQ(host.Image(), before);
    EXPECT_EQ(HeadlessServices().dialogsShown, 0);
    EXPECT_EQ(HeadlessServices().beeps, std::vector<std::uint32_t>{kHand});
    ExpectRunObjectsGone();
}

TEST_F(PluginRunTest, AnExceptionFromTheUsersSideEndsTheRunWithoutHarm) {
    user.attend = [](HeadlessDialog& dialog) {
        dialog.PasteText(102, "3");
        throw std::runtime_error("the automation broke down");
    };
    const std::vector<std::uint8_t> before = host.Image();

    EXPECT_FALSE(Run());

    EXPECT_EQ(host.Image(), before);
    EXPECT_EQ(HeadlessServices().beeps, std::vector<std::uint32_t>{kHand});
    ExpectRunObjectsGone();
}

}  // namespace
