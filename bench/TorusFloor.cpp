#include "bench/TorusFloor.h"

#include <cmath>

namespace {

constexpr double kFullTurn = 6.283185307179586;

std::int32_t Truncate(double value) { return static_cast<std::int32_t>(value); }

// Sine and cosine of the running angle sums 0, step, step + step, ...
void AngleTable(std::int32_t sections, std::vector<double>& sines, std::vector<double>& cosines) {
    const double step = kFullTurn / sections;
    double angle = 0.0;
    sines.resize(static_cast<std::size_t>(sections));
    cosines.resize(static_cast<std::size_t>(sections));
    for (std::int32_t k = 0; k < sections; ++k) {
        sines[k] = std::sin(angle);
        cosines[k] = std::cos(angle);
        angle += step;
    }
}

// Vertex k of ring j, from the circle through the turn and the sweep's move
// to the placement, each step truncated as the run truncates it.
struct VertexPipeline {
    const TorusSpec& spec;
    std::vector<double> tubeSin, tubeCos, ringSin, ringCos;

    explicit VertexPipeline(const TorusSpec& s) : spec(s) {
        AngleTable(s.tubeSections, tubeSin, tubeCos);
        AngleTable(s.ringSections, ringSin, ringCos);
    }

    void operator()(std::int32_t j, std::int32_t k, std::int32_t out[3]) const {
        const double s = spec.unitScale;
        const std::int32_t a = Truncate(tubeSin[k] * spec.tubeRadius * s);
        const std::int32_t b = Truncate(tubeCos[k] * spec.tubeRadius * s);
        const double sn = ringSin[j], cs = ringCos[j];
        const double offsetA = spec.ringRadius * sn, offsetB = spec.ringRadius * cs;
        std::int32_t x, y, z;
        switch (spec.view) {
            case 0: {  // circle (0, b, a) in y-z; turn in x-y; move by (ρ sin, ρ cos, 0)
                const double x0 = 0, y0 = b;
                x = Truncate(x0 * cs + y0 * sn);
                y = Truncate(y0 * cs - x0 * sn);
                z = a;
                x = Truncate(x + offsetA * s);
                y = Truncate(y + offsetB * s);
                z = Truncate(z + 0.0 * s);
                break;
            }
            case 1: {  // circle (a, b, 0) in x-y; mirrored turn in x-z; move by (ρ sin, 0, ρ cos)
                const double x0 = a, z0 = 0;
                x = Truncate(x0 * sn + z0 * cs);
                z = Truncate(x0 * cs - z0 * sn);
                y = b;
                x = Truncate(x + offsetA * s);
                y = Truncate(y + 0.0 * s);
                z = Truncate(z + offsetB * s);
                break;
            }
            default: {  // circle (a, 0, b) in x-z; turn in y-z; move by (0, ρ sin, ρ cos)
                const double y0 = 0, z0 = b;
                y = Truncate(y0 * cs + z0 * sn);
                z = Truncate(z0 * cs - y0 * sn);
                x = a;
                x = Truncate(x + 0.0 * s);
                y = Truncate(y + offsetA * s);
                z = Truncate(z + offsetB * s);
                break;
            }
        }
        out[0] = Truncate(x + spec.centre[0] * s);
        out[1] = Truncate(y + spec.centre[1] * s);
        out[2] = Truncate(z + spec.centre[2] * s);
    }
};

// Calls edge(a, b) and face(a, b, c) in the run's order: each circle's
// edges, then the bands.
template <class Edge, class Face>
void ForEachStitchStep(std::int32_t rings, std::int32_t tube, std::int32_t first, Edge edge, Face face) {
    auto band = [&](std::int32_t a0, std::int32_t b0, bool closing) {
        for (std::int32_t j = 0; j + 1 < tube; ++j) {
            const std::int32_t aj = a0 + j, aj1 = a0 + j + 1, bj = b0 + j, bj1 = b0 + j + 1;
            if (!closing) {
                edge(aj, bj);
                edge(aj1, bj);
                face(aj1, bj, aj);
                face(bj, aj1, bj1);
            } else {  // a is the first ring F, b the last ring L
                edge(aj, bj);
                edge(aj1, bj);
                face(aj, bj, aj1);
                face(bj1, aj1, bj);
            }
        }
        const std::int32_t aLast = a0 + tube - 1, bLast = b0 + tube - 1;
        edge(aLast, bLast);
        edge(a0, bLast);
        if (!closing) {
            face(aLast, a0, bLast);
            face(b0, bLast, a0);
        } else {
            face(bLast, a0, aLast);
            face(a0, bLast, b0);
        }
    };
    for (std::int32_t r = 0; r + 1 < rings; ++r) band(first + r * tube, first + (r + 1) * tube, false);
    band(first, first + (rings - 1) * tube, true);
}

}  // namespace

void ArrayTorus::Reserve(const TorusSpec& spec) {
    const std::size_t n = static_cast<std::size_t>(spec.ringSections) * static_cast<std::size_t>(spec.tubeSections);
    coordinates.reserve(3 * n);
    edges.reserve(2 * 3 * n);
    faces.reserve(3 * 2 * n);
}

void BuildArrayTorus(const TorusSpec& spec, std::int32_t firstVertex, ArrayTorus& torus) {
    const VertexPipeline vertex(spec);
    const std::int32_t rings = spec.ringSections, tube = spec.tubeSections;
    torus.coordinates.resize(static_cast<std::size_t>(rings) * tube * 3);
    torus.edges.clear();
    torus.faces.clear();
    std::int32_t* out = torus.coordinates.data();
    for (std::int32_t j = 0; j < rings; ++j) {
        const std::int32_t base = firstVertex + j * tube;
        for (std::int32_t k = 0; k < tube; ++k, out += 3) {
            vertex(j, k, out);
            if (k > 0) torus.edges.insert(torus.edges.end(), {base + k - 1, base + k});
        }
        torus.edges.insert(torus.edges.end(), {base + tube - 1, base});
    }
    ForEachStitchStep(
        rings, tube, firstVertex, [&](std::int32_t a, std::int32_t b) { torus.edges.insert(torus.edges.end(), {a, b}); },
        [&](std::int32_t a, std::int32_t b, std::int32_t c) { torus.faces.insert(torus.faces.end(), {a, b, c}); });
}

void BuildTorusThroughHost(const TorusSpec& spec, ModelerContext& host) {
    const VertexPipeline vertex(spec);
    const std::int32_t rings = spec.ringSections, tube = spec.tubeSections;
    auto edge = [&](std::int32_t a, std::int32_t b) {
        host.GrowEdgeStorage(*host.edgeCount + 1);
        host.CreateEdge(a, b);
    };
    auto face = [&](std::int32_t a, std::int32_t b, std::int32_t c) {
        host.GrowFaceStorage(*host.faceCount + 1);
        host.CreateFace(a, b, c);
    };
    const std::int32_t first = *host.vertexCount;
    for (std::int32_t j = 0; j < rings; ++j) {
        for (std::int32_t k = 0; k < tube; ++k) {
            host.GrowVertexStorage(*host.vertexCount + 1);
            host.CreateVertex();
            const std::int32_t index = *host.vertexCount - 1;
            HostVertex& v = (*host.vertices)[index];
            std::int32_t xyz[3];
            vertex(j, k, xyz);
            v.x = xyz[0];
            v.y = xyz[1];
            v.z = xyz[2];
            v.index = index;
            v.status = 1;
            if (k > 0) edge(index - 1, index);
        }
        edge(*host.vertexCount - 1, *host.vertexCount - tube);
    }
    ForEachStitchStep(rings, tube, first, edge, face);
}
