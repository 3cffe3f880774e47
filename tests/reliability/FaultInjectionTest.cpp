// Faults in a run, injected one at a time: every allocation of the run
// failing in turn, for every kind of run (a later run without the module
// object, the library's attach, each view, typed texts, another dialog
// result, Cancel, refused runs, a dialog the platform cannot run); and a
// host that moves its vertex array at every growth.
//
// Whatever fails, the run answers without letting an exception out, frees
// everything it allocated, and leaves the host either untouched (false,
// with the hand beep) or holding the whole object, which only happens where
// the failure is one the run is documented to survive: the parent window
// object or the module object missing.
//
// The default first run is AllocationFailureTest's; this program covers the
// other kinds. It replaces the global operator new (CountingAllocator), so
// it is a program of its own.
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "plugin/PluginRunFixture.h"
#include "reliability/CountingAllocator.h"

namespace {

using counting_allocator::Paused;

constexpr std::uint32_t kHand = 0x10;
constexpr std::uint32_t kExclamation = 0x30;

// ---------------------------------------------------------------------------
// The host's slots, with counting paused while the host works.

ModelerContext hostSlots;

std::int32_t VORNIX_CDECL GrowVertices(std::int32_t n) { return Paused{}, hostSlots.GrowVertexStorage(n); }
std::int32_t VORNIX_CDECL CreateVertex() { return Paused{}, hostSlots.CreateVertex(); }
std::int32_t VORNIX_CDECL GrowEdges(std::int32_t n) { return Paused{}, hostSlots.GrowEdgeStorage(n); }
std::int32_t VORNIX_CDECL CreateEdge(std::int32_t a, std::int32_t b) { return Paused{}, hostSlots.CreateEdge(a, b); }
std::int32_t VORNIX_CDECL GrowFaces(std::int32_t n) { return Paused{}, hostSlots.GrowFaceStorage(n); }
std::int32_t VORNIX_CDECL CreateFace(std::int32_t a, std::int32_t b, std::int32_t c) {
    return Paused{}, hostSlots.CreateFace(a, b, c);
}

ModelerContext WithPausingSlots(const ModelerContext& host) {
    hostSlots = host;
    ModelerContext record = host;
    record.GrowVertexStorage = GrowVertices;
    record.CreateVertex = CreateVertex;
    record.GrowEdgeStorage = GrowEdges;
    record.CreateEdge = CreateEdge;
    record.GrowFaceStorage = GrowFaces;
    record.CreateFace = CreateFace;
    return record;
}

// ---------------------------------------------------------------------------
// The kinds of run.

enum class Outcome { Built, Cancelled, Refused };

struct RunKind {
    const char* name;
    std::function<void(MemoryHost&)> setUpHost;
    // The user's edits (not counted: typing is the window system's work),
    // then how the dialog ends.
    std::function<void(HeadlessDialog&)> edit;
    std::function<void(HeadlessDialog&)> end;
    bool attach;  // the library's attach is part of what may fail
    Outcome undisturbed;
    std::int32_t vertices;  // R·T when built
};

void PressOk(HeadlessDialog& dialog) { dialog.PressButton(kOkCommand); }
void NoEdits(HeadlessDialog&) {}
void NoHost(MemoryHost&) {}

void OldVertices(MemoryHost& host) {
    for (std::int32_t i = 0; i < 6; ++i) host.AddVertex(i, -i, 2 * i, static_cast<std::int8_t>(i % 3));
    host.AddEdge(0, 1);
    host.AddFace(0, 1, 2);
    host.selectedVertexCount = 2;
}

std::function<void(HeadlessDialog&)> Paste(std::vector<std::pair<int, std::string>> texts) {
    return [texts](HeadlessDialog& dialog) {
        for (const auto& [id, text] : texts) dialog.PasteText(id, text);
    };
}

std::function<void(HeadlessDialog&)> Type(std::vector<std::pair<int, std::string>> texts) {
    return [texts](HeadlessDialog& dialog) {
        for (const auto& [id, text] : texts) {
            dialog.ClearText(id);
            for (const char key : text) dialog.TypeCharacter(id, key);
        }
    };
}

std::function<void(MemoryHost&)> InView(std::int32_t view, std::function<void(MemoryHost&)> more = NoHost) {
    return [view, more](MemoryHost& host) {
        host.activeView = view;
        more(host);
    };
}

const RunKind kRunKinds[] = {
    {"LaterRunWithoutModuleObject", OldVertices, NoEdits, PressOk, false, Outcome::Built, 144},
    {"AttachAndFirstRun", OldVertices, NoEdits, PressOk, true, Outcome::Built, 144},
    {"View1SmallTorus", InView(1, OldVertices), Paste({{104, "5"}, {105, "6"}, {111, "-2.5"}}), PressOk, false,
     Outcome::Built, 30},
    {"View2", InView(2), NoEdits, PressOk, false, Outcome::Built, 144},
    {"ViewWithoutAPlane", InView(3, OldVertices), Paste({{104, "4"}}), PressOk, false, Outcome::Built, 48},
    {"TypedTexts", OldVertices, Type({{102, "-2.5"}, {104, "7"}, {113, "1e2"}}), PressOk, false, Outcome::Built, 84},
    {"OtherDialogResult", NoHost, NoEdits, [](HeadlessDialog& d) { d.End(7); }, false, Outcome::Built, 144},
    {"Cancel", OldVertices, Paste({{104, "40"}}), [](HeadlessDialog& d) { d.PressButton(kCancelCommand); }, false,
     Outcome::Cancelled, 0},
    {"UserLeavesWithoutAButton", OldVertices, NoEdits, [](HeadlessDialog&) {}, false, Outcome::Cancelled, 0},
    {"RefusedZeroUnitScale", [](MemoryHost& host) { OldVertices(host), host.unitScale = 0.0; }, NoEdits, PressOk,
     false, Outcome::Refused, 0},
    {"RefusedCounterOverflow", OldVertices, Paste({{104, "65536"}, {105, "65536"}}), PressOk, false,
     Outcome::Refused, 0},
    {"DialogThePlatformCannotRun", OldVertices, NoEdits, [](HeadlessDialog& d) { d.End(-1); }, false,
     Outcome::Refused, 0},
};

// The user: edits outside the count, then ends the dialog as the kind says.
class FaultUser : public HeadlessDialogAgent {
public:
    explicit FaultUser(const RunKind& kind) : kind_(kind) {}
    void Attend(HeadlessDialog& dialog) override {
        {
            Paused typing;
            kind_.edit(dialog);
        }
        kind_.end(dialog);
    }

private:
    const RunKind& kind_;
};

class FaultInjectionTest : public PluginRunTest, public ::testing::WithParamInterface<RunKind> {
protected:
    // The whole object: R·T new vertices, 3·R·T edges, 2·R·T faces, the
    // new vertices the whole selection; the old ones keep all but a 1.
    void ExpectWholeObject(const MemoryHost& after, const std::vector<std::uint8_t>& oldVertexBytes,
                           std::int32_t oldVertices, std::int32_t oldEdges, std::int32_t oldFaces,
                           std::int32_t vertices) {
        EXPECT_EQ(after.vertexCount, oldVertices + vertices);
        EXPECT_EQ(after.edgeCount, oldEdges + 3 * vertices);
        EXPECT_EQ(after.faceCount, oldFaces + 2 * vertices);
        EXPECT_EQ(after.selectedVertexCount, vertices);
        for (std::int32_t i = 0; i < after.vertexCount; ++i) {
            if (i < oldVertices) {
                HostVertex old;
                std::memcpy(&old, oldVertexBytes.data() + i * sizeof old, sizeof old);
                if (old.status == 1) old.status = 0;
                EXPECT_EQ(std::memcmp(&old, &after.Vertices()[i], sizeof old), 0) << "old vertex " << i;
            } else {
                EXPECT_EQ(after.Vertices()[i].status, 1) << "new vertex " << i;
            }
        }
        EXPECT_TRUE(after.Violations().empty());
    }
};

TEST_P(FaultInjectionTest, EveryAllocationFailingInTurnLeavesTheWholeObjectOrNothing) {
    const RunKind& kind = GetParam();
    FaultUser faultUser(kind);
    SetHeadlessDialogAgent(&faultUser);
    long failedToNothing = 0;
    long survived = 0;
    long allocations = 0;

    for (long failAt = 0;; ++failAt) {
        SCOPED_TRACE("allocation " + std::to_string(failAt));
        MemoryHost runHost(HostMode::Strict);
        kind.setUpHost(runHost);
        ModelerContext record = WithPausingSlots(*runHost.Context());
        const std::vector<std::uint8_t> before = runHost.Image();
        const std::vector<std::uint8_t> oldVertexBytes(
            reinterpret_cast<const std::uint8_t*>(runHost.Vertices()),
            reinterpret_cast<const std::uint8_t*>(runHost.Vertices()) + runHost.vertexCount * sizeof(HostVertex));
        const std::int32_t oldVertices = runHost.vertexCount, oldEdges = runHost.edgeCount,
                           oldFaces = runHost.faceCount;
        ResetHeadlessServices(kHostCursor);
        // Each round starts from a library that has run before (no module
        // object), or from its attach, which is then counted too.
        LibraryEntry(nullptr, kProcessDetach, nullptr);

        counting_allocator::StartCounting(failAt);
        if (kind.attach) LibraryEntry(DefaultModuleInstance(), kProcessAttach, nullptr);
        const bool built = RunXmodeler(HostWindow(), 0, &record);
        const counting_allocator::Count count = counting_allocator::StopCounting();

        EXPECT_EQ(count.stillLive, 0) << "everything the run allocated is freed";
        ExpectRunObjectsGone();
        const Outcome outcome = built ? Outcome::Built
                                : HeadlessServices().beeps.empty() ? Outcome::Cancelled
                                                                   : Outcome::Refused;
        if (!count.failed) {
            allocations = count.allocations;
            EXPECT_EQ(outcome, kind.undisturbed);
        } else if (outcome == Outcome::Refused) {
            ++failedToNothing;
        } else {
            // Only the parent window or the module object went missing: the
            // run goes on without them.
            EXPECT_EQ(outcome, kind.undisturbed);
            ++survived;
        }
        if (built) {
            ExpectWholeObject(runHost, oldVertexBytes, oldVertices, oldEdges, oldFaces, kind.vertices);
            EXPECT_EQ(HeadlessServices().beeps, std::vector<std::uint32_t>{kExclamation});
        } else {
            EXPECT_EQ(runHost.Image(), before);
            EXPECT_TRUE(runHost.CallLog().empty()) << "no slot is called";
            if (outcome == Outcome::Refused) {
                EXPECT_EQ(HeadlessServices().beeps, std::vector<std::uint32_t>{kHand});
            }
        }
        if (!count.failed || HasFailure()) break;
    }

    std::printf("| %s | %ld | %ld | %ld |\n", kind.name, allocations, failedToNothing, survived);
    RecordProperty("allocations", static_cast<int>(allocations));
    RecordProperty("failedToNothing", static_cast<int>(failedToNothing));
    RecordProperty("survived", static_cast<int>(survived));
    EXPECT_GT(allocations, 0);
}

INSTANTIATE_TEST_SUITE_P(RunKinds, FaultInjectionTest, ::testing::ValuesIn(kRunKinds), CaseName());

// ---------------------------------------------------------------------------
// A host whose vertex array moves at every growth: no stale pointer (the
// sanitizers would show one), the whole object in every view.

class MovingHostTest : public PluginRunTest, public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(MovingHostTest, GetsTheWholeObjectThoughItsArrayMovesAtEveryGrowth) {
    host.activeView = GetParam();
    OldVertices(host);
    EnterTexts({{104, "6"}, {105, "5"}});
    const int movesBefore = host.VertexArrayMoves();

    EXPECT_TRUE(Run());

    EXPECT_GE(host.VertexArrayMoves() - movesBefore, 30) << "one move per new vertex at least";
    EXPECT_EQ(host.vertexCount, 6 + 30);
    EXPECT_EQ(host.edgeCount, 1 + 90);
    EXPECT_EQ(host.faceCount, 1 + 60);
    EXPECT_EQ(SelectedVertices(), 30);
    for (std::int32_t i = 6; i < host.vertexCount; ++i) EXPECT_EQ(host.Vertices()[i].index, i);
    EXPECT_TRUE(host.Violations().empty());
}

INSTANTIATE_TEST_SUITE_P(Views, MovingHostTest, ::testing::Values(0, 1, 2, -1));

}  // namespace
