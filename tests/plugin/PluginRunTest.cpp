// Whole runs through the run function: the dialog as the user sees it, what
// OK, Cancel and other results do to the host, and the state a run leaves.
#include <cstring>
#include <string>
#include <vector>

#include "dialog/ParameterDialog.h"
#include "params/GenerationParameters.h"
#include "plugin/PluginRunFixture.h"

namespace {

constexpr std::uint32_t kExclamation = 0x30;

// The transfer record's field for an edit control.
const char* TransferFieldOf(int controlId) {
    for (std::size_t i = 0; i < kParameterEditIds.size(); ++i)
        if (kParameterEditIds[i] == controlId) return reinterpret_cast<const char*>(&ParameterTexts) + 16 * i;
    return nullptr;
}

// ---------------------------------------------------------------------------
// OK without edits, on hosts with and without a mesh of their own.

struct ExistingMesh {
    std::int32_t vertices, edges, faces;
};

class DefaultRunTest : public PluginRunTest, public ::testing::WithParamInterface<ExistingMesh> {};

TEST_P(DefaultRunTest, OkWithoutEditsBuildsTheDefaultTorusAsTheWholeSelection) {
    const ExistingMesh existing = GetParam();
    // Old vertices with status 0, 1 and 2: the 1s drop, the 2s stay.
    for (std::int32_t i = 0; i < existing.vertices; ++i) host.AddVertex(i, 2 * i, 3 * i, static_cast<std::int8_t>(i % 3));
    for (std::int32_t i = 0; i < existing.edges; ++i) host.AddEdge(0, 1);
    for (std::int32_t i = 0; i < existing.faces; ++i) host.AddFace(0, 1, 2);

    EXPECT_TRUE(Run());

    EXPECT_EQ(host.vertexCount, existing.vertices + 144);
    EXPECT_EQ(host.edgeCount, existing.edges + 432);
    EXPECT_EQ(host.faceCount, existing.faces + 288);
    EXPECT_EQ(host.selectedVertexCount, 144);
    EXPECT_EQ(SelectedVertices(), 144);
    for (std::int32_t i = 0; i < existing.vertices; ++i)
        EXPECT_EQ(host.Vertices()[i].status, i % 3 == 2 ? 2 : 0) << "old vertex " << i;
    EXPECT_TRUE(host.Violations().empty()) << host.Violations().front();
    EXPECT_EQ(HeadlessServices().beeps, std::vector<std::uint32_t>{kExclamation});
    EXPECT_EQ(HeadlessServices().dialogsShown, 1);
    ExpectRunObjectsGone();
}

INSTANTIATE_TEST_SUITE_P(Hosts, DefaultRunTest,
                         ::testing::Values(ExistingMesh{0, 0, 0}, ExistingMesh{100, 50, 20}));

TEST_F(PluginRunTest, TheDialogOpensUnderTheWaitCursorWithTheDefaultsAndTheCursorFromTheOrigin) {
    host.unitScale = 1000.0;
    host.cursor[0] = 2500, host.cursor[1] = -1234, host.cursor[2] = 7;
    host.origin[0] = 500;
    std::vector<std::string> shown;
    user.attend = [&](HeadlessDialog& dialog) {
        EXPECT_EQ(HeadlessServices().currentCursor, HeadlessServices().waitCursor);
        EXPECT_EQ(dialog.TemplateId(), 2000);
        EXPECT_EQ(dialog.Caption(), "Vornix Primitive");
        for (const int id : kParameterEditIds) shown.push_back(dialog.Text(id));
        dialog.PressButton(kCancelCommand);
    };

    EXPECT_FALSE(Run());

    EXPECT_EQ(shown, (std::vector<std::string>{"1.00", "0.50", "12", "12", "2.00", "-1.23", "0.01"}));
}

TEST_F(PluginRunTest, OkWithoutEditsUsesTheCursorRoundedToHundredths) {
    host.cursor[0] = 1234;
    host.origin[0] = 10000;

    EXPECT_TRUE(Run());

    EXPECT_EQ(Parameters.ringRadius, 1.0);
    EXPECT_EQ(Parameters.tubeSections, 12);
    EXPECT_DOUBLE_EQ(Parameters.centreX, -8.77 + 10.0);  // the text -8.77, plus the origin
}

// ---------------------------------------------------------------------------
// Every way of not confirming the dialog leaves the host untouched.

struct CancelCase {
    const char* name;
    std::function<void(HeadlessDialog&)> attend;  // null: no agent at all
};

class CancelTest : public PluginRunTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelTest, ChangesNothingAndSoundsNoBeep) {
    host.AddVertex(5, 6, 7, 1);
    host.selectedVertexCount = 1;
    if (GetParam().attend) user.attend = GetParam().attend;
    else SetHeadlessDialogAgent(nullptr);
    const std::vector<std::uint8_t> before = host.Image();

    EXPECT_FALSE(Run());

    EXPECT_EQ(host.Image(), before);
    EXPECT_TRUE(HeadlessServices().beeps.empty());
    EXPECT_EQ(HeadlessServices().dialogsShown, 1);
    ExpectRunObjectsGone();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CancelTest,
    ::testing::Values(
        CancelCase{"CancelButton", [](HeadlessDialog& d) { d.PressButton(kCancelCommand); }},
        CancelCase{"CancelAfterEdits",
                   [](HeadlessDialog& d) {
                       d.PasteText(104, "40");
                       d.PressButton(kCancelCommand);
                   }},
        CancelCase{"UserLeavesWithoutAButton", [](HeadlessDialog&) {}},
        CancelCase{"NoUserAtAll", nullptr}),
    CaseName());

TEST_F(PluginRunTest, CancelLeavesTheDefaultsAndTheirTexts) {
    host.cursor[1] = 2000;
    user.attend = [](HeadlessDialog& d) {
        d.PasteText(102, "7");
        d.PressButton(kCancelCommand);
    };

    EXPECT_FALSE(Run());

    EXPECT_EQ(Parameters.ringRadius, 1.0);
    EXPECT_EQ(Parameters.centreY, 2.0);  // relative to the origin: never parsed
    EXPECT_STREQ(ParameterTexts.ringRadiusText, "1.00");
}

// ---------------------------------------------------------------------------
// A result that is neither OK nor Cancel builds as OK does, from the texts
// the dialog opened with.

class OtherResultTest : public PluginRunTest, public ::testing::WithParamInterface<int> {};

TEST_P(OtherResultTest, BuildsTheObject) {
    const int result = GetParam();
    user.attend = [result](HeadlessDialog& d) {
        d.PasteText(104, "5");  // never copied back: only OK transfers
        d.End(result);
    };

    EXPECT_TRUE(Run());

    EXPECT_EQ(host.vertexCount, 144);
    EXPECT_EQ(host.selectedVertexCount, 144);
    EXPECT_EQ(HeadlessServices().beeps, std::vector<std::uint32_t>{kExclamation});
    ExpectRunObjectsGone();
}

INSTANTIATE_TEST_SUITE_P(Results, OtherResultTest, ::testing::Values(0, 3, 7, 1000));

// ---------------------------------------------------------------------------

TEST_F(PluginRunTest, ASecondRunInTheSameLoadRunsWithoutAModuleObject) {
    EXPECT_TRUE(Run());
    ASSERT_EQ(PluginModule, nullptr);
    EnterTexts({{104, "6"}});

    EXPECT_TRUE(Run());

    EXPECT_EQ(HeadlessServices().dialogsShown, 2);
    EXPECT_EQ(host.vertexCount, 144 + 72);
    EXPECT_EQ(host.selectedVertexCount, 72);
    EXPECT_EQ(SelectedVertices(), 72);
    for (std::int32_t i = 144; i < host.vertexCount; ++i) EXPECT_EQ(host.Vertices()[i].status, 1);
    EXPECT_EQ(HeadlessServices().beeps, (std::vector<std::uint32_t>{kExclamation, kExclamation}));
    ExpectRunObjectsGone();
}

TEST_F(PluginRunTest, ALoadWithoutAnInstanceRunsFromTheDefaultModule) {
    LibraryEntry(nullptr, kProcessDetach, nullptr);
    LibraryEntry(nullptr, kProcessAttach, nullptr);
    ASSERT_EQ(PluginModule, nullptr);

    EXPECT_TRUE(Run());

    EXPECT_EQ(host.vertexCount, 144);
}

// ---------------------------------------------------------------------------
// Typing follows the fields' rules; OK copies back at most 15 characters.

struct TypingCase {
    const char* name;
    int controlId;
    const char* keys;
    const char* fieldText;  // what the field shows and OK copies back
};

class TypingTest : public PluginRunTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, TheFieldKeepsWhatItsRulesLetThrough) {
    const TypingCase& typing = GetParam();
    std::string shown;
    user.attend = [&](HeadlessDialog& dialog) {
        dialog.ClearText(typing.controlId);
        for (const char* key = typing.keys; *key != '\0'; ++key) dialog.TypeCharacter(typing.controlId, *key);
        shown = dialog.Text(typing.controlId);
        dialog.PressButton(kOkCommand);
    };

    Run();

    EXPECT_EQ(shown, typing.fieldText);
    EXPECT_STREQ(TransferFieldOf(typing.controlId), typing.fieldText);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypingTest,
    ::testing::Values(TypingCase{"RadiusStopsAt15", 102, "12345678901234567890", "123456789012345"},
                      TypingCase{"CentreStopsAt15", 113, "-0.0000000000000001", "-0.000000000000"},
                      TypingCase{"RadiusTakesAMinus", 103, "-2.5", "-2.5"},
                      TypingCase{"SectionsTakeDigitsOnly", 104, "-1a2.3+", "123"},
                      TypingCase{"SectionsStopAt15", 105, "98765432109876543210", "987654321098765"},
                      TypingCase{"CentreTakesAnything", 111, "-1e3 x", "-1e3 x"}),
    CaseName());

TEST_F(PluginRunTest, ATypedMinusInARadiusGivesItsAbsoluteValue) {
    user.attend = [](HeadlessDialog& dialog) {
        dialog.ClearText(102);
        for (const char key : std::string("-2.5")) EXPECT_TRUE(dialog.TypeCharacter(102, key));
        EXPECT_FALSE(dialog.TypeCharacter(104, '-'));
        dialog.PressButton(kOkCommand);
    };

    EXPECT_TRUE(Run());

    EXPECT_EQ(Parameters.ringRadius, 2.5);
    EXPECT_EQ(Parameters.ringSections, 12);
}

TEST_F(PluginRunTest, APastedLongTextStaysInTheFieldAndOkCopiesBack15Characters) {
    std::string shown;
    user.attend = [&](HeadlessDialog& dialog) {
        dialog.PasteText(104, "8 sections, not more");  // no typing rules for a paste
        shown = dialog.Text(104);
        dialog.PressButton(kOkCommand);
    };

    EXPECT_TRUE(Run());

    EXPECT_EQ(shown, "8 sections, not more");
    EXPECT_STREQ(ParameterTexts.ringSectionsText, "8 sections, not");
    EXPECT_EQ(Parameters.ringSections, 8);
    EXPECT_EQ(host.vertexCount, 8 * 12);
}

}  // namespace
