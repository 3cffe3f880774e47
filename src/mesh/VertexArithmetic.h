// How the mesh steps compute one vertex's host coordinates. Pure functions,
// so the loops that reach the host stay thin and the arithmetic is tested
// on its own.
//
// The order of every operation is fixed: the host sees these exact integers,
// and a reordered product or sum can move a truncated coordinate by a unit.
// Every double becomes a host coordinate by truncation toward zero.
#pragma once

#include <cstdint>
#include <optional>

#include "host/HostCoordinate.h"
#include "host/ModelerContext.h"
#include "mesh/Offset.h"
#include "mesh/RunningAngle.h"

struct HostPoint {
    std::int32_t x;
    std::int32_t y;
    std::int32_t z;
    bool operator==(const HostPoint&) const = default;
};

// Views 0, 1 and 2 have a plane for the tube circle and the ring; in any
// other view the circle keeps the host's coordinates and is neither turned
// nor moved by the sweep.
inline bool ViewHasPlane(std::int32_t view) { return view >= 0 && view <= 2; }

// One coordinate of a tube circle: (sine or cosine · radius) · scale.
inline std::int32_t CircleCoordinate(double sineOrCosine, double radius, double scale) {
    return TruncateToHostCoordinate((sineOrCosine * radius) * scale);
}

// A tube circle vertex at angle φ about the host origin, in the plane of
// the view: y–z for view 0 (from +y toward +z), x–y for view 1 (from +y
// toward +x), x–z for view 2 (from +z toward +x). Any other view has no
// plane: the vertex keeps what the host gave it.
inline std::optional<HostPoint> TubeCirclePoint(std::int32_t view, SineCosine phi, double radius, double scale) {
    switch (view) {
    case 0: return HostPoint{0, CircleCoordinate(phi.cosine, radius, scale), CircleCoordinate(phi.sine, radius, scale)};
    case 1: return HostPoint{CircleCoordinate(phi.sine, radius, scale), CircleCoordinate(phi.cosine, radius, scale), 0};
    case 2: return HostPoint{CircleCoordinate(phi.sine, radius, scale), 0, CircleCoordinate(phi.cosine, radius, scale)};
    default: return std::nullopt;
    }
}

struct CoordinatePair {
    std::int32_t first;
    std::int32_t second;
    bool operator==(const CoordinatePair&) const = default;
};

// A proper rotation of (a, b) by θ, both results from the old values:
// (a·cos θ + b·sin θ, b·cos θ − a·sin θ). RotateRingXY turns (x, y) with it,
// RotateRingYZ turns (y, z).
inline CoordinatePair TurnProper(std::int32_t a, std::int32_t b, SineCosine theta) {
    const double oldA = a;
    const double oldB = b;
    return {TruncateToHostCoordinate(oldA * theta.cosine + oldB * theta.sine),
            TruncateToHostCoordinate(oldB * theta.cosine - oldA * theta.sine)};
}

// RotateRingXZ's turn of (x, z): (x·sin θ + z·cos θ, x·cos θ − z·sin θ).
// A rotation combined with a mirror: at θ = 0 it swaps x and z, which is
// what carries the view-1 circle's radial extent (along x) onto the
// section's radial direction.
inline CoordinatePair TurnMirrored(std::int32_t x, std::int32_t z, SineCosine theta) {
    const double oldX = x;
    const double oldZ = z;
    return {TruncateToHostCoordinate(oldX * theta.sine + oldZ * theta.cosine),
            TruncateToHostCoordinate(oldX * theta.cosine - oldZ * theta.sine)};
}

// A move by an offset in user units: each coordinate becomes the sum of
// itself and the offset component times *unitScale, truncated; the sum is
// truncated, not the scaled offset alone (scale 10: 5 − 0.07 gives 4). The
// products are the same for every vertex of a move, so a move forms them
// once, as a ScaledOffset.
struct ScaledOffset {
    double x;
    double y;
    double z;
};

inline ScaledOffset ScaleOffset(const Offset& offset, double scale) {
    return {offset.x * scale, offset.y * scale, offset.z * scale};
}

inline std::int32_t MovedCoordinate(std::int32_t coordinate, double scaledOffset) {
    return TruncateToHostCoordinate(static_cast<double>(coordinate) + scaledOffset);
}

// x, y and z in that order.
inline void MoveHostVertex(HostVertex& vertex, const ScaledOffset& offset) {
    vertex.x = MovedCoordinate(vertex.x, offset.x);
    vertex.y = MovedCoordinate(vertex.y, offset.y);
    vertex.z = MovedCoordinate(vertex.z, offset.z);
}

// Where the sweep moves the circle of the section at angle θ, in user units:
// out by the ring radius in the section's direction, in the plane of the
// ring (x–y for view 0, x–z for view 1, y–z for view 2). Any other view has
// no ring plane: the offset is zero.
inline Offset SectionOffset(std::int32_t view, double ringRadius, SineCosine theta) {
    switch (view) {
    case 0: return {ringRadius * theta.sine, ringRadius * theta.cosine, 0.0};
    case 1: return {ringRadius * theta.sine, 0.0, ringRadius * theta.cosine};
    case 2: return {0.0, ringRadius * theta.sine, ringRadius * theta.cosine};
    default: return {0.0, 0.0, 0.0};
    }
}
