// The preview where the program is built without cairo.
#include <stdexcept>

#include "refhost/Preview.h"

bool PreviewAvailable() { return false; }

std::string RenderPreviewPng(const MeshData&, const std::string&) {
    throw std::runtime_error("--preview is not available in this build (it has no cairo library)");
}
