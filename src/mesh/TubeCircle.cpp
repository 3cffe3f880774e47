#include "mesh/TubeCircle.h"

#include "host/HostAccess.h"

TubeCircleShape ShapeTubeCircle(std::int32_t sections, double radius) {
    TubeCircleShape shape{sections > 0 ? sections : 0, {}};
    const std::int32_t view = *HostContext->activeView;
    if (!ViewHasPlane(view)) return shape;
    const double scale = *HostContext->unitScale;
    shape.points.reserve(static_cast<std::size_t>(shape.sections));
    RunningAngle phi(sections);
    for (std::int32_t k = 0; k < shape.sections; ++k, phi.Advance())
        shape.points.push_back(*TubeCirclePoint(view, SineCosineOf(phi.Value()), radius, scale));
    return shape;
}

void AppendTubeCircle(const TubeCircleShape& shape, SelectVertiesOfArrow& ring) {
    if (shape.sections == 0) return;
    const HostPoint* points = shape.points.empty() ? nullptr : shape.points.data();
    std::int32_t first = 0;
    std::int32_t index = 0;
    for (std::int32_t k = 0; k < shape.sections; ++k) {
        index = AppendHostVertex();
        // The array may have moved with the growth: find the vertex afresh,
        // and let go of it before the next slot call.
        HostVertex& vertex = HostVertexAt(index);
        if (points != nullptr) {
            vertex.x = points[k].x;
            vertex.y = points[k].y;
            vertex.z = points[k].z;
        }
        vertex.index = index;
        vertex.status = 1;
        ring.Add(index);
        if (k == 0)
            first = index;
        else
            AppendHostEdge(index - 1, index);
    }
    AppendHostEdge(index, first);
}

bool BuildTubeCircle(std::int32_t sections, SelectVertiesOfArrow& ring, double radius) {
    AppendTubeCircle(ShapeTubeCircle(sections, radius), ring);
    return true;
}
