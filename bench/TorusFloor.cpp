#include "bench/TorusFloor.h"

#include <cmath>

namespace {

constexpr double kFullTurn = 6.283185307179586;

std::int32_t Truncate(double value) { return static_cast<std::int32_t>(value); }

struct SineCosine {
    double sine, cosine;
};

SineCosine SineCosineOf(double angle) { return {std::sin(angle), std::cos(angle)}; }

// Sine and cosine of the running angle sums 0, step, step + step, ...
std::vector<SineCosine> AngleTable(std::int32_t sections) {
    std::vector<SineCosine> table(static_cast<std::size_t>(sections));
    const double step = kFullTurn / sections;
    double angle = 0.0;
    for (SineCosine& entry : table) {
        entry = SineCosineOf(angle);
        angle += step;
    }
    return table;
}

// What is the same for every vertex of one ring section.
struct Section {
    SineCosine theta;
    double moveA, moveB;  // ring radius · sin θ, ring radius · cos θ, in host units
};

// Vertex k of a ring, from the circle through the turn and the sweep's move
// to the placement, each step truncated as the run truncates it.
class VertexPipeline {
public:
    explicit VertexPipeline(const TorusShape& shape) : spec_(shape) {
        for (int axis = 0; axis < 3; ++axis) centre_[axis] = shape.centre[axis] * shape.unitScale;
    }

    Section SectionAt(double theta) const {
        const SineCosine t = SineCosineOf(theta);
        return {t, spec_.ringRadius * t.sine * spec_.unitScale, spec_.ringRadius * t.cosine * spec_.unitScale};
    }

    void operator()(const Section& section, SineCosine phi, std::int32_t out[3]) const {
        const double s = spec_.unitScale;
        const std::int32_t a = Truncate(phi.sine * spec_.tubeRadius * s);
        const std::int32_t b = Truncate(phi.cosine * spec_.tubeRadius * s);
        const double sn = section.theta.sine, cs = section.theta.cosine;
        std::int32_t x, y, z;
        switch (spec_.view) {
            case 0: {  // circle (0, b, a) in y-z; turn in x-y; move by (ρ sin, ρ cos, 0)
                const double x0 = 0, y0 = b;
                x = Truncate(Truncate(x0 * cs + y0 * sn) + section.moveA);
                y = Truncate(Truncate(y0 * cs - x0 * sn) + section.moveB);
                z = Truncate(a + 0.0 * s);
                break;
            }
            case 1: {  // circle (a, b, 0) in x-y; mirrored turn in x-z; move by (ρ sin, 0, ρ cos)
                const double x0 = a, z0 = 0;
                x = Truncate(Truncate(x0 * sn + z0 * cs) + section.moveA);
                y = Truncate(b + 0.0 * s);
                z = Truncate(Truncate(x0 * cs - z0 * sn) + section.moveB);
                break;
            }
            default: {  // circle (a, 0, b) in x-z; turn in y-z; move by (0, ρ sin, ρ cos)
                const double y0 = 0, z0 = b;
                x = Truncate(a + 0.0 * s);
                y = Truncate(Truncate(y0 * cs + z0 * sn) + section.moveA);
                z = Truncate(Truncate(z0 * cs - y0 * sn) + section.moveB);
                break;
            }
        }
        out[0] = Truncate(x + centre_[0]);
        out[1] = Truncate(y + centre_[1]);
        out[2] = Truncate(z + centre_[2]);
    }

private:
    const TorusShape& spec_;
    double centre_[3];
};

// Calls vertex(k, xyz) for every vertex k of every ring in turn and
// endOfRing() after each ring's last one.
template <class Vertex, class EndOfRing>
void ForEachVertex(const TorusShape& shape, CircleAngles angles, Vertex vertex, EndOfRing endOfRing) {
    const VertexPipeline pipeline(shape);
    const std::vector<SineCosine> table =
        angles == CircleAngles::Tabled ? AngleTable(shape.tubeSections) : std::vector<SineCosine>{};
    const double ringStep = kFullTurn / shape.ringSections;
    const double tubeStep = kFullTurn / shape.tubeSections;
    double theta = 0.0;
    for (std::int32_t j = 0; j < shape.ringSections; ++j) {
        const Section section = pipeline.SectionAt(theta);
        double phi = 0.0;
        for (std::int32_t k = 0; k < shape.tubeSections; ++k) {
            std::int32_t xyz[3];
            pipeline(section, angles == CircleAngles::Tabled ? table[k] : SineCosineOf(phi), xyz);
            vertex(k, xyz);
            phi += tubeStep;
        }
        endOfRing();
        theta += ringStep;
    }
}

// Calls edge(a, b) and face(a, b, c) in the run's order of stitching: the
// ordinary bands ring by ring, then the closing band of the first and the
// last ring.
template <class Edge, class Face>
void ForEachStitchStep(std::int32_t rings, std::int32_t tube, std::int32_t first, Edge edge, Face face) {
    auto band = [&](std::int32_t a0, std::int32_t b0, bool closing) {
        for (std::int32_t j = 0; j + 1 < tube; ++j) {
            const std::int32_t aj = a0 + j, aj1 = a0 + j + 1, bj = b0 + j, bj1 = b0 + j + 1;
            edge(aj, bj);
            edge(aj1, bj);
            if (!closing) {
                face(aj1, bj, aj);
                face(bj, aj1, bj1);
            } else {  // a is the first ring F, b the last ring L
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

void ArrayTorus::Reserve(const TorusShape& shape) {
    const std::size_t n = static_cast<std::size_t>(shape.ringSections) * static_cast<std::size_t>(shape.tubeSections);
    coordinates.resize(3 * n);
    edges.resize(2 * 3 * n);
    faces.resize(3 * 2 * n);
}

void BuildArrayTorus(const TorusShape& shape, std::int32_t firstVertex, ArrayTorus& torus, CircleAngles angles) {
    torus.Reserve(shape);  // no change when the arrays already fit this torus
    std::int32_t* coordinate = torus.coordinates.data();
    std::int32_t* edge = torus.edges.data();
    std::int32_t* face = torus.faces.data();
    std::int32_t index = firstVertex;
    ForEachVertex(
        shape, angles,
        [&](std::int32_t k, const std::int32_t xyz[3]) {
            *coordinate++ = xyz[0];
            *coordinate++ = xyz[1];
            *coordinate++ = xyz[2];
            if (k > 0) {
                *edge++ = index - 1;
                *edge++ = index;
            }
            ++index;
        },
        [&] {
            *edge++ = index - 1;
            *edge++ = index - shape.tubeSections;
        });
    ForEachStitchStep(
        shape.ringSections, shape.tubeSections, firstVertex,
        [&](std::int32_t a, std::int32_t b) {
            *edge++ = a;
            *edge++ = b;
        },
        [&](std::int32_t a, std::int32_t b, std::int32_t c) {
            *face++ = a;
            *face++ = b;
            *face++ = c;
        });
}

void BuildTorusThroughHost(const TorusShape& shape, ModelerContext& host, CircleAngles angles) {
    auto edge = [&](std::int32_t a, std::int32_t b) {
        host.GrowEdgeStorage(*host.edgeCount + 1);
        host.CreateEdge(a, b);
    };
    auto face = [&](std::int32_t a, std::int32_t b, std::int32_t c) {
        host.GrowFaceStorage(*host.faceCount + 1);
        host.CreateFace(a, b, c);
    };
    const std::int32_t first = *host.vertexCount;
    ForEachVertex(
        shape, angles,
        [&](std::int32_t k, const std::int32_t xyz[3]) {
            host.GrowVertexStorage(*host.vertexCount + 1);
            host.CreateVertex();
            const std::int32_t index = *host.vertexCount - 1;
            HostVertex& v = (*host.vertices)[index];
            v.x = xyz[0];
            v.y = xyz[1];
            v.z = xyz[2];
            v.index = index;
            v.status = 1;
            if (k > 0) edge(index - 1, index);
        },
        [&] { edge(*host.vertexCount - 1, *host.vertexCount - shape.tubeSections); });
    ForEachStitchStep(shape.ringSections, shape.tubeSections, first, edge, face);
}
