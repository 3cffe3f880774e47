// A mesh file the host cannot read; the message names the file and, for
// text, the line: "scene.obj:7: face index 9 out of range".
#pragma once

#include <stdexcept>
#include <string>

class MeshFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline MeshFileError MeshFileErrorAt(const std::string& fileName, std::size_t line, const std::string& what) {
    return MeshFileError(fileName + ":" + std::to_string(line) + ": " + what);
}
