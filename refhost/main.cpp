// vornix-host: the reference host program. It holds a mesh in memory, loads
// the plug-in by path, invokes `_Xmodeler` as the modeler does while playing
// the user at its dialog, and reports and writes the resulting mesh.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "refhost/AtomicWrite.h"
#include "refhost/CommandLine.h"
#include "refhost/HostWindowSystem.h"
#include "refhost/MemoryHost.h"
#include "refhost/MeshData.h"
#include "refhost/MeshFileError.h"
#include "refhost/MeshFiles.h"
#include "refhost/PluginLibrary.h"
#include "refhost/Preview.h"
#include "refhost/RunSummary.h"

namespace {

constexpr int kExitContractBroken = 1;
constexpr int kExitBadInput = 2;

int Fail(const std::string& message) {
    std::cerr << "vornix-host: " << message << "\n";
    return kExitBadInput;
}

MeshCounts CountsOf(const MemoryHost& host) {
    return {host.vertexCount, host.edgeCount, host.faceCount, host.selectedVertexCount};
}

std::string Caption(const RunSummary& s) {
    return "vornix-host, view " + std::to_string(s.view) + ": " + std::to_string(s.after.vertices) + " vertices, " +
           std::to_string(s.after.edges) + " edges, " + std::to_string(s.after.faces) + " faces, " +
           std::to_string(s.selectedVertices) + " selected";
}

int Run(const HostOptions& options) {
    if (!options.preview.empty() && !PreviewAvailable())
        return Fail("--preview is not available in this build (it has no cairo library)");
    for (const std::string& output : options.outputs)
        if (FileExtension(output) == ".stl" && !(std::isfinite(options.unitScale) && options.unitScale != 0))
            return Fail(output + ": .stl needs a finite, non-zero --unit-scale to give user units");

    MemoryHost host(HostMode::Strict);
    host.unitScale = options.unitScale;
    host.activeView = options.view;
    for (int axis = 0; axis < 3; ++axis) {
        host.cursor[axis] = options.cursor[axis];
        host.origin[axis] = options.origin[axis];
    }
    if (!options.input.empty()) LoadMesh(host, ReadMeshFile(options.input));

    RunSummary summary;
    summary.plugin = options.plugin.empty() ? DefaultPluginPath() : options.plugin;
    summary.view = options.view;
    summary.unitScale = options.unitScale;
    summary.before = CountsOf(host);
    {
        PluginLibrary plugin(summary.plugin);
        const std::unique_ptr<HostWindowSystem> windows = MakeHostWindowSystem(options.user, options.interactive);
        for (int run = 0; run < options.runs; ++run) {
            windows->BeforeRun();
            summary.results.push_back(plugin.Run(windows->Window(), host.Context()));
            windows->AfterRun();
        }
        windows->Report(summary);
    }
    summary.after = CountsOf(host);
    const MeshData mesh = SnapshotMesh(host);
    summary.selectedVertices = CountSelected(mesh);
    summary.contractViolations.insert(summary.contractViolations.end(), host.Violations().begin(),
                                      host.Violations().end());

    // Every output is made in memory first and written whole; a later
    // -o naming the same file wins.
    std::vector<PendingFile> files;
    auto add = [&](const std::string& path, std::string bytes) {
        std::erase_if(files, [&](const PendingFile& file) { return file.path == path; });
        files.push_back({path, std::move(bytes)});
    };
    for (const std::string& output : options.outputs) add(output, FormatMeshFile(output, mesh, options.unitScale));
    summary.outputs = options.outputs;
    if (!options.preview.empty()) {
        add(options.preview, RenderPreviewPng(mesh, Caption(summary)));
        summary.preview = options.preview;
    }
    WriteFilesAtomically(files);

    std::cout << (options.json ? FormatJson(summary) : FormatHumanSummary(summary)) << std::flush;
    if (!summary.contractViolations.empty()) {
        std::cerr << "vornix-host: the plug-in broke the host contract (" << summary.contractViolations.front()
                  << ")\n";
        return kExitContractBroken;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes on stdout as on Linux.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    try {
        const HostOptions options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            std::cout << HelpText(PreviewAvailable());
            return 0;
        }
        return Run(options);
    } catch (const UsageError& error) {
        return Fail(error.what());
    } catch (const MeshFileError& error) {
        return Fail(error.what());
    } catch (const PluginLoadError& error) {
        return Fail(error.what());
    } catch (const FileWriteError& error) {
        return Fail(error.what());
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
}
