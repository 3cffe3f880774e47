// Thin steps through HostContext. Every one reads the record afresh: the
// host may move its vertex array whenever it grows, so no pointer or
// reference into host storage may be held across a slot call.
#pragma once

#include <cstdint>

#include "host/HostContext.h"

// Count + 1 in 32-bit wrap-around arithmetic: the run refuses counts that
// would overflow before it starts, so this never wraps in a real run.
inline std::int32_t NextHostCount(std::int32_t count) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + 1u);
}

// The vertex at a position. Valid only until the next slot call.
inline HostVertex& HostVertexAt(std::int32_t index) { return (*HostContext->vertices)[index]; }

// Grows the vertex storage to the current count + 1, appends one vertex and
// returns its position (the last in the array).
inline std::int32_t AppendHostVertex() {
    HostContext->GrowVertexStorage(NextHostCount(*HostContext->vertexCount));
    HostContext->CreateVertex();
    return *HostContext->vertexCount - 1;
}

inline void AppendHostEdge(std::int32_t a, std::int32_t b) {
    HostContext->GrowEdgeStorage(NextHostCount(*HostContext->edgeCount));
    HostContext->CreateEdge(a, b);
}

inline void AppendHostFace(std::int32_t a, std::int32_t b, std::int32_t c) {
    HostContext->GrowFaceStorage(NextHostCount(*HostContext->faceCount));
    HostContext->CreateFace(a, b, c);
}
