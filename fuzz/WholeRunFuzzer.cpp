// A whole run of the plug-in as the host invokes it, through the headless
// dialog, on an arbitrary host and with an arbitrary user: the view, unit
// scale, cursor and origin, existing vertices with any status, counters up
// to the 32-bit limit; seven texts pasted or typed (up to 15 characters and
// longer), then OK, Cancel, another result or no button at all.
//
// Whatever the input, the run either changes nothing in the host, byte for
// byte, and calls none of its slots (Cancel, a platform failure, a run it
// refuses), or appends one closed torus: R·T new vertices, 3·R·T edges and
// 2·R·T faces, every edge on exactly two faces that run through it in
// opposite directions, each vertex within the truncation error of where the
// parameters put it, the new vertices the host's whole selection. The
// expectations come from the texts through independent references
// (ReferenceNumbers.h), not from the plug-in's own parsing or checks.
//
// Input layout; bytes past the end read as zero, so a short input is the
// default run with OK:
//   view selector, unit-scale selector, cursor x y z and origin x y z
//   selectors (some selectors take raw bytes after them);
//   existing vertices: a count byte (0-8), then per vertex a status byte
//   and x y z selectors; existing edges and faces: one count byte each;
//   counter selectors for vertices, edges and faces (each with one byte of
//   distance from the limit); the selected-vertex count (4 bytes);
//   the user's action byte, then 4 bytes of dialog result; the load byte;
//   per edit field (102, 103, 104, 105, 111, 112, 113) a length byte L:
//   0 leaves the field as it opened, otherwise L-1 (mod 48) text bytes.
//
// The fuzzer keeps each execution small: a torus beyond kLargestTorus
// vertices runs only when it must be refused; other such inputs are
// skipped. Counters near the limit stand above the storage behind them:
// the edge and face counters the plug-in sees are the host's own plus an
// offset, which the slots take off again (the plug-in never reads that
// storage); the vertex counter is raised only where the run must be
// refused, as the plug-in reads vertices by their index.
#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ReferenceNumbers.h"
#include "dialog/ParameterDialog.h"
#include "entry/GenerationRun.h"
#include "entry/LibraryEntry.h"
#include "entry/PluginState.h"
#include "params/GenerationParameters.h"
#include "platform/DialogResults.h"
#include "platform/TModule.h"
#include "platform/TWindow.h"
#include "platform/headless/HeadlessAutomation.h"
#include "refhost/MemoryHost.h"

namespace {

constexpr std::int64_t kLargestTorus = 1024;  // the fuzzer's own cap on R·T
constexpr std::int64_t kLargestCount = std::numeric_limits<std::int32_t>::max();
constexpr std::uintptr_t kHostCursor = 0x4000;
constexpr std::uint32_t kHand = 0x10;
constexpr std::uint32_t kExclamation = 0x30;
constexpr std::size_t kFieldCharacters = kParameterTextSize - 1;

// With VORNIX_FUZZ_VERBOSE set, one line per input says what the run did.
void Report(const char* outcome, std::int64_t vertices) {
    static const bool verbose = std::getenv("VORNIX_FUZZ_VERBOSE") != nullptr;
    if (verbose) std::fprintf(stderr, "whole run: %s (R·T %lld)\n", outcome, static_cast<long long>(vertices));
}

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "whole run: %s\n", what);
    std::abort();
}

// ---------------------------------------------------------------------------
// Reading the input.

class InputBytes {
public:
    InputBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

    template <class T>
    T Raw() {
        std::uint8_t bytes[sizeof(T)];
        for (std::uint8_t& byte : bytes) byte = Byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    std::string Text(std::size_t length) {
        const std::size_t taken = std::min(length, size_ - std::min(at_, size_));
        std::string text(reinterpret_cast<const char*>(data_) + at_, taken);
        at_ += taken;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::int32_t ReadView(InputBytes& in) {
    switch (in.Byte() % 8) {
    case 0: return 0;
    case 1: return 1;
    case 2: return 2;
    case 3: return -1;
    case 4: return 3;
    case 5: return std::numeric_limits<std::int32_t>::min();
    case 6: return std::numeric_limits<std::int32_t>::max();
    default: return in.Raw<std::int32_t>();
    }
}

double ReadUnitScale(InputBytes& in) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    static const double kScales[] = {1000.0, 1.0,   100.0,  0.001,     0.0,    -0.0,
                                     -1000.0, 1e-300, 5e-324, 1e300, std::numeric_limits<double>::max(),
                                     std::numeric_limits<double>::quiet_NaN(), kInfinity, -kInfinity, 1e9};
    const std::uint8_t pick = in.Byte() % 16;
    return pick < std::size(kScales) ? kScales[pick] : in.Raw<double>();
}

std::int32_t ReadCoordinate(InputBytes& in) {
    switch (in.Byte() % 8) {
    case 0: return 0;
    case 1: return 2500;
    case 2: return -1234;
    case 3: return std::numeric_limits<std::int32_t>::max();
    case 4: return std::numeric_limits<std::int32_t>::min();
    case 5: return std::numeric_limits<std::int32_t>::max() - 1;
    case 6: return in.Raw<std::int16_t>();
    default: return in.Raw<std::int32_t>();
    }
}

// Where a counter stands before the run, relative to what the run adds.
enum class CounterPick { AsIs, ExactFit, OneTooMany, Largest, MinusOne, Smallest, NearLimit };

struct CounterChoice {
    CounterPick pick;
    std::uint8_t distance;  // for NearLimit: how far below the limit
};

CounterChoice ReadCounter(InputBytes& in) {
    const std::uint8_t byte = in.Byte();
    const std::uint8_t distance = in.Byte();
    // Mostly as is: the counters are real most of the time.
    static const CounterPick kPicks[] = {CounterPick::AsIs,       CounterPick::AsIs,    CounterPick::AsIs,
                                         CounterPick::ExactFit,   CounterPick::OneTooMany, CounterPick::Largest,
                                         CounterPick::MinusOne,   CounterPick::Smallest, CounterPick::NearLimit};
    return {kPicks[byte % std::size(kPicks)], distance};
}

enum class Action { OkAfterPasting, OkAfterTyping, Cancel, OtherResult, NoButton };

struct ExistingVertex {
    std::int8_t status;
    std::int32_t x, y, z;
};

struct Plan {
    std::int32_t view;
    double unitScale;
    std::int32_t cursor[3];
    std::int32_t origin[3];
    std::vector<ExistingVertex> vertices;
    int edges;
    int faces;
    CounterChoice vertexCounter, edgeCounter, faceCounter;
    std::int32_t selectedVertexCount;
    Action action;
    int otherResult;
    bool freshLoad;
    bool nullInstance;
    std::array<std::optional<std::string>, 7> texts;  // per edit field; none: as it opened
};

Plan ReadPlan(InputBytes& in) {
    Plan plan{};
    plan.view = ReadView(in);
    plan.unitScale = ReadUnitScale(in);
    for (std::int32_t& c : plan.cursor) c = ReadCoordinate(in);
    for (std::int32_t& c : plan.origin) c = ReadCoordinate(in);
    const int vertices = in.Byte() % 9;
    for (int i = 0; i < vertices; ++i) {
        ExistingVertex vertex{};
        vertex.status = static_cast<std::int8_t>(in.Byte());
        vertex.x = ReadCoordinate(in);
        vertex.y = ReadCoordinate(in);
        vertex.z = ReadCoordinate(in);
        plan.vertices.push_back(vertex);
    }
    plan.edges = in.Byte() % 5;
    plan.faces = in.Byte() % 5;
    plan.vertexCounter = ReadCounter(in);
    plan.edgeCounter = ReadCounter(in);
    plan.faceCounter = ReadCounter(in);
    plan.selectedVertexCount = in.Raw<std::int32_t>();
    static const Action kActions[] = {Action::OkAfterPasting, Action::OkAfterPasting, Action::OkAfterTyping,
                                      Action::Cancel,         Action::OtherResult,    Action::NoButton};
    plan.action = kActions[in.Byte() % std::size(kActions)];
    plan.otherResult = in.Raw<std::int32_t>();
    const std::uint8_t load = in.Byte();
    plan.freshLoad = (load & 1) != 0;
    plan.nullInstance = (load & 2) != 0;
    for (auto& text : plan.texts) {
        const std::uint8_t length = in.Byte();
        if (length != 0) text = in.Text((length - 1u) % 48u);
    }
    return plan;
}

// ---------------------------------------------------------------------------
// What the run should do.

bool IsNumberField(int controlId) { return controlId == 104 || controlId == 105; }

// What an edit field holds after the user's pasting or typing: a paste
// takes the whole text; typing stops at 15 characters and, in a section
// field, refuses everything but digits.
std::string FieldAfterUser(int controlId, const std::string& text, Action action) {
    if (action != Action::OkAfterTyping) return text;
    std::string typed;
    for (const char c : text) {
        if (typed.size() >= kFieldCharacters) continue;
        if (IsNumberField(controlId) && !reference::IsDigit(c)) continue;
        typed.push_back(c);
    }
    return typed;
}

std::string_view FieldText(const char (&field)[kParameterTextSize]) {
    return reference::UpToZero(std::string_view(field, kParameterTextSize));
}

// The transfer record the run will parse: the texts the dialog opens with
// and, after OK, what the user left in each field, at most 15 characters.
ParameterTransfer ExpectedRecord(const Plan& plan, const ModelerContext& host) {
    ParameterTransfer record = FormatTexts(DefaultParameters(host));
    if (plan.action != Action::OkAfterPasting && plan.action != Action::OkAfterTyping) return record;
    char* fields = reinterpret_cast<char*>(&record);
    for (std::size_t i = 0; i < plan.texts.size(); ++i) {
        if (!plan.texts[i]) continue;
        const std::string text = FieldAfterUser(kParameterEditIds[i], *plan.texts[i], plan.action);
        char* field = fields + i * kParameterTextSize;
        const std::size_t length = text.copy(field, kFieldCharacters);
        field[length] = '\0';
    }
    return record;
}

// The parameters as the run must take them, from the record by the
// independent references, with the sweep's raises applied.
struct Expected {
    std::int64_t ringSections, tubeSections;
    double ringRadius, tubeRadius;
    double centre[3];  // user units, absolute; only with a finite, non-zero scale
    std::int64_t Vertices() const { return ringSections * tubeSections; }
};

double RaisedRadius(std::string_view text) {
    const double value = std::fabs(reference::Decimal(text));
    return value == 0.0 ? 0.0001 : value;
}

std::int64_t RaisedSections(std::string_view text) { return std::max<std::int64_t>(4, reference::Integer(text)); }

Expected ExpectedParameters(const ParameterTransfer& record, const Plan& plan) {
    Expected expected{};
    expected.ringRadius = RaisedRadius(FieldText(record.ringRadiusText));
    expected.tubeRadius = RaisedRadius(FieldText(record.tubeRadiusText));
    expected.ringSections = RaisedSections(FieldText(record.ringSectionsText));
    expected.tubeSections = RaisedSections(FieldText(record.tubeSectionsText));
    const char(*centreTexts[3])[kParameterTextSize] = {&record.centreXText, &record.centreYText, &record.centreZText};
    // Only a finite, non-zero scale gives a centre; with any other the run
    // must be refused anyway.
    const bool scaleUsable = std::isfinite(plan.unitScale) && plan.unitScale != 0.0;
    for (int axis = 0; axis < 3; ++axis)
        expected.centre[axis] = scaleUsable ? reference::Decimal(FieldText(*centreTexts[axis])) +
                                                  static_cast<double>(plan.origin[axis]) / plan.unitScale
                                            : std::numeric_limits<double>::quiet_NaN();
    return expected;
}

std::int32_t ClampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(), kLargestCount));
}

// A counter's value before the run. `real` is what the host stores; the
// other picks are set in the counter alone.
std::int32_t CounterValue(CounterChoice choice, std::int32_t real, std::int64_t added) {
    switch (choice.pick) {
    case CounterPick::AsIs: return real;
    case CounterPick::ExactFit: return ClampToInt32(kLargestCount - added);
    case CounterPick::OneTooMany: return ClampToInt32(kLargestCount - added + 1);
    case CounterPick::Largest: return static_cast<std::int32_t>(kLargestCount);
    case CounterPick::MinusOne: return -1;
    case CounterPick::Smallest: return std::numeric_limits<std::int32_t>::min();
    case CounterPick::NearLimit: return ClampToInt32(kLargestCount - choice.distance);
    }
    return real;
}

// A counter that cannot take `added` more elements: the run must be refused.
bool CounterRefuses(std::int32_t count, std::int64_t added) { return count < 0 || count + added > kLargestCount; }

// The largest distance from the host origin a coordinate of the run could
// reach on any axis, in host units, without truncation.
long double Reach(const Expected& expected, const Plan& plan) {
    const long double scale = std::fabs(static_cast<long double>(plan.unitScale));
    const bool planar = plan.view >= 0 && plan.view <= 2;
    const long double swept = planar ? (static_cast<long double>(expected.ringRadius) + expected.tubeRadius) : 0.0L;
    long double reach = 0.0L;
    for (const double c : expected.centre) reach = std::max(reach, (swept + std::fabs(static_cast<long double>(c))) * scale);
    return reach;
}

// ---------------------------------------------------------------------------
// The host before and after.

template <class T>
void Append(std::vector<std::uint8_t>& image, const T& value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    image.insert(image.end(), bytes, bytes + sizeof value);
}

// Every byte the host reports, through the record the plug-in sees, with
// the vertices the host really stores (its counter may stand above them).
std::vector<std::uint8_t> HostImage(const MemoryHost& host, const ModelerContext& record, std::int32_t storedVertices) {
    std::vector<std::uint8_t> image;
    Append(image, *record.vertexCount);
    Append(image, *record.edgeCount);
    Append(image, *record.faceCount);
    Append(image, host.selectedVertexCount);
    Append(image, host.unitScale);
    Append(image, host.cursor);
    Append(image, host.origin);
    Append(image, host.activeView);
    const auto* vertexBytes = reinterpret_cast<const std::uint8_t*>(host.Vertices());
    if (storedVertices > 0)
        image.insert(image.end(), vertexBytes, vertexBytes + static_cast<std::size_t>(storedVertices) * sizeof(HostVertex));
    for (const HostEdge& edge : host.Edges()) Append(image, edge);
    for (const HostFace& face : host.Faces()) Append(image, face);
    return image;
}

class FuzzUser : public HeadlessDialogAgent {
public:
    explicit FuzzUser(const Plan& plan) : plan_(plan) {}

    void Attend(HeadlessDialog& dialog) override {
        for (std::size_t i = 0; i < plan_.texts.size(); ++i) {
            if (!plan_.texts[i]) continue;
            const int id = kParameterEditIds[i];
            if (plan_.action == Action::OkAfterTyping) {
                dialog.ClearText(id);
                for (const char c : *plan_.texts[i]) dialog.TypeCharacter(id, c);
            } else {
                dialog.PasteText(id, *plan_.texts[i]);
            }
        }
        switch (plan_.action) {
        case Action::OkAfterPasting:
        case Action::OkAfterTyping: dialog.PressButton(kOkCommand); break;
        case Action::Cancel: dialog.PressButton(kCancelCommand); break;
        case Action::OtherResult: dialog.End(plan_.otherResult); break;
        case Action::NoButton: break;
        }
    }

private:
    const Plan& plan_;
};

// ---------------------------------------------------------------------------
// Edge and face counters above the host's storage. The plug-in's record
// points at the raised counters; the slots take the offset off the growth
// request, let the host do its work, and raise the counter again.

struct RaisedCounters {
    ModelerContext hostRecord;  // the host's own record and slots
    const MemoryHost* host;
    std::int32_t edgeOffset, faceOffset;
    std::int32_t edgeCount, faceCount;  // what the plug-in reads
};

RaisedCounters raised;

std::int32_t Lowered(std::int32_t n, std::int32_t offset) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(n) - static_cast<std::uint32_t>(offset));
}

std::int32_t Raised(std::int32_t count, std::int32_t offset) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + static_cast<std::uint32_t>(offset));
}

std::int32_t VORNIX_CDECL GrowRaisedEdges(std::int32_t n) { return raised.hostRecord.GrowEdgeStorage(Lowered(n, raised.edgeOffset)); }

std::int32_t VORNIX_CDECL CreateRaisedEdge(std::int32_t a, std::int32_t b) {
    const std::int32_t result = raised.hostRecord.CreateEdge(a, b);
    raised.edgeCount = Raised(raised.host->edgeCount, raised.edgeOffset);
    return result;
}

std::int32_t VORNIX_CDECL GrowRaisedFaces(std::int32_t n) { return raised.hostRecord.GrowFaceStorage(Lowered(n, raised.faceOffset)); }

std::int32_t VORNIX_CDECL CreateRaisedFace(std::int32_t a, std::int32_t b, std::int32_t c) {
    const std::int32_t result = raised.hostRecord.CreateFace(a, b, c);
    raised.faceCount = Raised(raised.host->faceCount, raised.faceOffset);
    return result;
}

// The record the plug-in gets: the host's, with the edge and face counters
// raised to the given values.
ModelerContext* WithRaisedCounters(MemoryHost& host, std::int32_t edgeCount, std::int32_t faceCount) {
    raised.hostRecord = *host.Context();
    raised.host = &host;
    raised.edgeOffset = Lowered(edgeCount, host.edgeCount);
    raised.faceOffset = Lowered(faceCount, host.faceCount);
    raised.edgeCount = edgeCount;
    raised.faceCount = faceCount;
    static ModelerContext record;
    record = raised.hostRecord;
    record.edgeCount = &raised.edgeCount;
    record.faceCount = &raised.faceCount;
    record.GrowEdgeStorage = GrowRaisedEdges;
    record.CreateEdge = CreateRaisedEdge;
    record.GrowFaceStorage = GrowRaisedFaces;
    record.CreateFace = CreateRaisedFace;
    return &record;
}

// ---------------------------------------------------------------------------
// The torus.

std::uint64_t EdgeKey(std::int32_t a, std::int32_t b) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32) | static_cast<std::uint32_t>(b);
}

// 3·R·T distinct edges and 2·R·T faces among the new vertices; every edge on
// exactly one face that runs a→b and one that runs b→a, and every side of
// every face an edge.
void CheckSurface(const MemoryHost& host, std::size_t oldEdges, std::size_t oldFaces, std::int32_t first,
                  std::int64_t count) {
    const auto isNew = [&](std::int32_t v) { return v >= first && v < first + count; };
    Require(host.Edges().size() == oldEdges + static_cast<std::size_t>(3 * count), "3·R·T new edges stored");
    Require(host.Faces().size() == oldFaces + static_cast<std::size_t>(2 * count), "2·R·T new faces stored");
    // Sorted keys rather than hash sets: this runs for every input.
    std::vector<std::uint64_t> edges;  // undirected: smaller index first
    for (std::size_t i = oldEdges; i < host.Edges().size(); ++i) {
        const HostEdge& e = host.Edges()[i];
        Require(isNew(e.a) && isNew(e.b) && e.a != e.b, "an edge joins two distinct new vertices");
        edges.push_back(EdgeKey(std::min(e.a, e.b), std::max(e.a, e.b)));
    }
    std::sort(edges.begin(), edges.end());
    Require(std::adjacent_find(edges.begin(), edges.end()) == edges.end(), "no edge is made twice");
    const auto isEdge = [&](std::int32_t u, std::int32_t v) {
        return std::binary_search(edges.begin(), edges.end(), EdgeKey(std::min(u, v), std::max(u, v)));
    };
    std::vector<std::uint64_t> sides;  // directed, as the faces run
    for (std::size_t i = oldFaces; i < host.Faces().size(); ++i) {
        const HostFace& f = host.Faces()[i];
        Require(isNew(f.a) && isNew(f.b) && isNew(f.c), "a face has new vertices only");
        Require(f.a != f.b && f.b != f.c && f.c != f.a, "a face has three distinct vertices");
        for (const auto& [u, v] : {std::pair{f.a, f.b}, std::pair{f.b, f.c}, std::pair{f.c, f.a}}) {
            Require(isEdge(u, v), "every side of a face is an edge");
            sides.push_back(EdgeKey(u, v));
        }
    }
    std::sort(sides.begin(), sides.end());
    Require(std::adjacent_find(sides.begin(), sides.end()) == sides.end(),
            "no two faces run through an edge the same way");
    // 6·R·T distinct sides on 3·R·T edges: each edge has both of its own.
    for (const std::uint64_t key : edges) {
        const auto a = static_cast<std::int32_t>(key >> 32);
        const auto b = static_cast<std::int32_t>(key & 0xFFFFFFFFu);
        Require(std::binary_search(sides.begin(), sides.end(), EdgeKey(a, b)) &&
                    std::binary_search(sides.begin(), sides.end(), EdgeKey(b, a)),
                "every edge lies on two faces that run through it in opposite directions");
    }
}

// One coordinate against where it belongs: the circle, the turn, the move
// and the placement each truncate toward zero, so each may lose up to a unit.
void CheckCoordinate(std::int32_t actual, long double expected) {
    constexpr long double kTruncations = 4.0L;
    Require(std::fabs(static_cast<long double>(actual) - expected) <= kTruncations + 1e-9L * std::fabs(expected),
            "a new vertex lies where the parameters put it");
}

// Vertex k of ring j at angle φ on its circle and θ round the ring; in a
// view without a plane, the host's own coordinates moved by the centre.
void CheckPlacement(const MemoryHost& host, std::int32_t first, const Expected& expected, const Plan& plan) {
    const long double scale = plan.unitScale;
    const long double rho = expected.ringRadius;
    const long double r = expected.tubeRadius;
    const double thetaStep = 6.283185307179586 / static_cast<double>(expected.ringSections);
    const double phiStep = 6.283185307179586 / static_cast<double>(expected.tubeSections);
    double theta = 0.0;  // running sums, as the angles are defined
    for (std::int64_t j = 0; j < expected.ringSections; ++j, theta += thetaStep) {
        const long double sinTheta = std::sin(theta), cosTheta = std::cos(theta);
        double phi = 0.0;
        for (std::int64_t k = 0; k < expected.tubeSections; ++k, phi += phiStep) {
            const HostVertex& vertex = host.Vertices()[first + j * expected.tubeSections + k];
            const long double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
            long double position[3];
            switch (plan.view) {
            case 0:
                position[0] = (rho + r * cosPhi) * sinTheta, position[1] = (rho + r * cosPhi) * cosTheta,
                position[2] = r * sinPhi;
                break;
            case 1:
                position[0] = (rho + r * sinPhi) * sinTheta, position[1] = r * cosPhi,
                position[2] = (rho + r * sinPhi) * cosTheta;
                break;
            case 2:
                position[0] = r * sinPhi, position[1] = (rho + r * cosPhi) * sinTheta,
                position[2] = (rho + r * cosPhi) * cosTheta;
                break;
            default: {
                // The host gave the vertex its marker bytes, which stay, moved
                // by the centre; the conversion saturates at the 32-bit range.
                std::int32_t marker;
                std::memset(&marker, MemoryHost::kNewVertexMarker, sizeof marker);
                const std::int32_t actual[3] = {vertex.x, vertex.y, vertex.z};
                for (int axis = 0; axis < 3; ++axis) {
                    const long double moved = std::clamp<long double>(
                        marker + static_cast<long double>(expected.centre[axis]) * scale, -2147483648.0L, 2147483647.0L);
                    Require(std::fabs(actual[axis] - moved) <= 1.0L, "a vertex without a plane is only moved by the centre");
                }
                continue;
            }
            }
            CheckCoordinate(vertex.x, (position[0] + expected.centre[0]) * scale);
            CheckCoordinate(vertex.y, (position[1] + expected.centre[1]) * scale);
            CheckCoordinate(vertex.z, (position[2] + expected.centre[2]) * scale);
        }
    }
}

// The old vertices keep every byte but a status of 1, which drops to 0; the
// new ones are selected, know their index, and keep the host's marker in
// every byte the plug-in does not own.
void CheckVertexBytes(const MemoryHost& host, const std::vector<std::uint8_t>& oldVertexBytes, std::int32_t first,
                      std::int64_t count) {
    for (std::int32_t i = 0; i < first; ++i) {
        HostVertex before;
        std::memcpy(&before, oldVertexBytes.data() + static_cast<std::size_t>(i) * sizeof before, sizeof before);
        if (before.status == 1) before.status = 0;
        Require(std::memcmp(&before, &host.Vertices()[i], sizeof before) == 0,
                "an old vertex only loses a status of 1");
    }
    for (std::int64_t i = first; i < first + count; ++i) {
        const HostVertex& vertex = host.Vertices()[i];
        Require(vertex.status == 1, "a new vertex is selected");
        Require(vertex.index == i, "a new vertex knows its index");
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&vertex);
        for (std::size_t b = 0; b < sizeof vertex; ++b) {
            const bool owned = b == offsetof(HostVertex, status) || (b >= offsetof(HostVertex, index) && b < 12) || b >= 20;
            Require(owned || bytes[b] == MemoryHost::kNewVertexMarker, "no byte of a new vertex outside its fields is written");
        }
    }
}

bool RecordsMatch(const ParameterTransfer& actual, const ParameterTransfer& expected) {
    const auto* a = reinterpret_cast<const char(*)[kParameterTextSize]>(&actual);
    const auto* e = reinterpret_cast<const char(*)[kParameterTextSize]>(&expected);
    for (std::size_t i = 0; i < kParameterEditIds.size(); ++i)
        if (FieldText(a[i]) != FieldText(e[i])) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool loaded = [] {
        std::setlocale(LC_ALL, "C");
        LibraryEntry(DefaultModuleInstance(), kProcessAttach, nullptr);
        return true;
    }();
    (void)loaded;

    InputBytes in(data, size);
    const Plan plan = ReadPlan(in);

    MemoryHost host(HostMode::Strict);
    host.activeView = plan.view;
    host.unitScale = plan.unitScale;
    for (int axis = 0; axis < 3; ++axis) host.cursor[axis] = plan.cursor[axis], host.origin[axis] = plan.origin[axis];
    for (const ExistingVertex& v : plan.vertices) host.AddVertex(v.x, v.y, v.z, v.status);
    for (int i = 0; i < plan.edges; ++i) host.AddEdge(i, i + 1);
    for (int i = 0; i < plan.faces; ++i) host.AddFace(i, i + 1, i + 2);
    host.selectedVertexCount = plan.selectedVertexCount;

    const ParameterTransfer record = ExpectedRecord(plan, *host.Context());
    const Expected expected = ExpectedParameters(record, plan);
    const std::int64_t added = expected.Vertices();
    // Beyond the 32-bit range every count behaves alike; this keeps 3·R·T
    // within 64 bits.
    const std::int64_t addedToCounters = std::min(added, std::int64_t{1} << 33);

    const std::int32_t storedVertices = host.vertexCount;
    const std::size_t storedEdges = host.Edges().size();
    const std::size_t storedFaces = host.Faces().size();
    const std::int32_t edgeCounter = CounterValue(plan.edgeCounter, host.edgeCount, 3 * addedToCounters);
    const std::int32_t faceCounter = CounterValue(plan.faceCounter, host.faceCount, 2 * addedToCounters);
    const std::int32_t vertexCounter = CounterValue(plan.vertexCounter, host.vertexCount, addedToCounters);
    // The vertex counter stands above the stored vertices only where the run
    // must not touch them.
    if (CounterRefuses(vertexCounter, addedToCounters)) host.vertexCount = vertexCounter;
    ModelerContext* const context = WithRaisedCounters(host, edgeCounter, faceCounter);

    const bool builds = plan.action == Action::OkAfterPasting || plan.action == Action::OkAfterTyping ||
                        (plan.action == Action::OtherResult && plan.otherResult != kCancelCommand &&
                         plan.otherResult != -1);
    const bool countsRefuse = CounterRefuses(host.vertexCount, addedToCounters) ||
                              CounterRefuses(edgeCounter, 3 * addedToCounters) ||
                              CounterRefuses(faceCounter, 2 * addedToCounters);
    const bool finite = std::isfinite(plan.unitScale) && plan.unitScale != 0.0 && std::isfinite(expected.ringRadius) &&
                        std::isfinite(expected.tubeRadius) && std::isfinite(expected.centre[0]) &&
                        std::isfinite(expected.centre[1]) && std::isfinite(expected.centre[2]);
    const bool mustRefuse = countsRefuse || !finite;
    // Well inside the 32-bit range: refusing such a run would be wrong.
    const bool mustBuild = !mustRefuse && Reach(expected, plan) < 1e9L;
    if (builds && !mustRefuse && added > kLargestTorus) {
        Report("skipped: beyond the fuzzer's cap", added);
        return -1;
    }

    const std::vector<std::uint8_t> before = HostImage(host, *context, storedVertices);
    const std::vector<std::uint8_t> oldVertexBytes(
        reinterpret_cast<const std::uint8_t*>(host.Vertices()),
        reinterpret_cast<const std::uint8_t*>(host.Vertices()) + static_cast<std::size_t>(storedVertices) * sizeof(HostVertex));

    if (plan.freshLoad) {
        LibraryEntry(nullptr, kProcessDetach, nullptr);
        LibraryEntry(plan.nullInstance ? nullptr : DefaultModuleInstance(), kProcessAttach, nullptr);
    }
    ResetHeadlessServices(kHostCursor);
    FuzzUser user(plan);
    SetHeadlessDialogAgent(&user);
    char hostWindow = 0;
    const auto window = reinterpret_cast<WindowHandle>(&hostWindow);
    const bool built = RunXmodeler(window, 0, context);
    SetHeadlessDialogAgent(nullptr);

    // Whatever the outcome: the cursor is the host's again and the run's
    // objects are gone.
    Require(HeadlessServices().currentCursor == kHostCursor, "the host's cursor is restored");
    Require(ParentWindow == nullptr && PluginModule == nullptr, "the run's window and module objects are gone");
    Require(TWindow::FindWindowObject(window) == nullptr, "no window object wraps the host's window");
    Require(HeadlessServices().dialogsShown == 1, "the dialog is shown once");
    Require(host.Violations().empty(), "the host contract is kept");

    if (!built) {
        Require(!(builds && mustBuild), "a run well inside every limit is built");
        Require(HostImage(host, *context, storedVertices) == before, "a run that builds nothing leaves the host as it was");
        Require(host.CallLog().empty(), "a run that builds nothing calls no host slot");
        const bool platformFailure = plan.action == Action::OtherResult && plan.otherResult == -1;
        const std::vector<std::uint32_t> beeps =
            builds || platformFailure ? std::vector<std::uint32_t>{kHand} : std::vector<std::uint32_t>{};
        Require(HeadlessServices().beeps == beeps, "a refused or failed run sounds the hand beep, Cancel none");
        Report(builds ? "refused" : platformFailure ? "dialog failed" : "cancelled", added);
        return 0;
    }

    Require(builds, "only OK or another result builds");
    Require(!mustRefuse, "a run beyond the counters or with a non-finite value is refused");
    Require(added <= kLargestTorus, "only a torus within the fuzzer's cap is built");
    Require(HeadlessServices().beeps == std::vector<std::uint32_t>{kExclamation}, "a built run sounds one exclamation");
    Require(RecordsMatch(ParameterTexts, record), "the run parses the texts the user left in the fields");
    Require(host.vertexCount == storedVertices + added, "R·T new vertices");
    Require(std::int64_t{*context->edgeCount} == edgeCounter + 3 * added, "3·R·T new edges");
    Require(std::int64_t{*context->faceCount} == faceCounter + 2 * added, "2·R·T new faces");
    Require(host.selectedVertexCount == added, "the selected-vertex count is R·T");
    CheckVertexBytes(host, oldVertexBytes, storedVertices, added);
    CheckSurface(host, storedEdges, storedFaces, storedVertices, added);
    CheckPlacement(host, storedVertices, expected, plan);
    Report("built", added);
    return 0;
}
