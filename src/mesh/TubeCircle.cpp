#include "mesh/TubeCircle.h"

#include "host/HostAccess.h"
#include "mesh/VertexArithmetic.h"

std::vector<SineCosine> CircleAngles(std::int32_t sections) {
    std::vector<SineCosine> angles(sections > 0 ? static_cast<std::size_t>(sections) : 0);
    RunningAngle phi(sections);
    for (SineCosine& angle : angles) {
        angle = SineCosineOf(phi.Value());
        phi.Advance();
    }
    return angles;
}

void AppendTubeCircle(const std::vector<SineCosine>& angles, SelectVertiesOfArrow& ring, double radius) {
    if (angles.empty()) return;
    std::int32_t first = 0;
    std::int32_t index = 0;
    for (std::size_t k = 0; k < angles.size(); ++k) {
        index = AppendHostVertex();
        // The array may have moved with the growth: find the vertex afresh,
        // and let go of it before the next slot call.
        HostVertex& vertex = HostVertexAt(index);
        if (const auto point = TubeCirclePoint(*HostContext->activeView, angles[k], radius, *HostContext->unitScale)) {
            vertex.x = point->x;
            vertex.y = point->y;
            vertex.z = point->z;
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
    AppendTubeCircle(CircleAngles(sections), ring, radius);
    return true;
}
