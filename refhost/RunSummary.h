// What one vornix-host invocation did, for the person (a few lines) or for
// programs (one JSON object).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct MeshCounts {
    std::int32_t vertices = 0;
    std::int32_t edges = 0;
    std::int32_t faces = 0;
    std::int32_t selectedVertexCount = 0;  // the host's selected-vertex count
};

struct RunSummary {
    std::string plugin;
    std::int32_t view = 0;
    double unitScale = 0;
    MeshCounts before;
    MeshCounts after;
    std::int32_t selectedVertices = 0;  // vertices whose status is 1 after the runs
    std::vector<bool> results;          // one per run, in order
    // Recorded by the window system where the host can see it (Linux).
    std::optional<std::vector<std::uint32_t>> beeps;
    std::optional<bool> cursorRestored;  // after every run
    std::optional<int> dialogsShown;
    std::vector<std::string> contractViolations;
    std::vector<std::string> outputs;
    std::string preview;
};

std::string FormatJson(const RunSummary& summary);
std::string FormatHumanSummary(const RunSummary& summary);
