#include "refhost/ObjFile.h"

#include <charconv>
#include <set>
#include <vector>

#include "refhost/MeshFileError.h"

std::string WriteObj(const MeshData& mesh) {
    std::string text;
    text.reserve(mesh.vertices.size() * 24 + mesh.edges.size() * 14 + mesh.faces.size() * 20);
    for (const MeshVertex& v : mesh.vertices)
        text += "v " + std::to_string(v.x) + " " + std::to_string(v.y) + " " + std::to_string(v.z) + "\n";
    // 1-based, in 64 bits so that no index the host holds can overflow here.
    auto one = [](std::int32_t index) { return std::to_string(static_cast<std::int64_t>(index) + 1); };
    for (const HostEdge& e : mesh.edges) text += "l " + one(e.a) + " " + one(e.b) + "\n";
    for (const HostFace& f : mesh.faces) text += "f " + one(f.a) + " " + one(f.b) + " " + one(f.c) + "\n";
    return text;
}

namespace {

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool ParseWhole(std::string_view text, std::int64_t& value) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end;
}

class ObjReader {
public:
    explicit ObjReader(const std::string& fileName) : fileName_(fileName) {}

    void Line(std::string_view line) {
        ++lineNumber_;
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::vector<std::string_view> words = SplitWords(line);
        if (words.empty()) return;
        const std::string_view keyword = words[0];
        if (keyword == "v") {
            Vertex(words);
        } else if (keyword == "l") {
            if (words.size() < 3) throw Error("a line ('l') needs at least two vertices");
            for (std::size_t i = 1; i + 1 < words.size(); ++i)
                mesh_.edges.push_back({Index(words[i]), Index(words[i + 1])});
        } else if (keyword == "f") {
            if (words.size() != 4)
                throw Error("a face needs exactly three vertices (the host holds triangles), not " +
                            std::to_string(words.size() - 1));
            mesh_.faces.push_back({Index(words[1]), Index(words[2]), Index(words[3])});
        } else if (!kIgnored.contains(std::string(keyword))) {
            throw Error("unknown statement '" + std::string(keyword) + "'");
        }
    }

    MeshData Take() { return std::move(mesh_); }

private:
    inline static const std::set<std::string> kIgnored{"vt", "vn", "vp", "o", "g", "s", "mtllib", "usemtl"};

    MeshFileError Error(const std::string& what) const { return MeshFileErrorAt(fileName_, lineNumber_, what); }

    void Vertex(const std::vector<std::string_view>& words) {
        if (words.size() != 4) throw Error("a vertex ('v') needs three integer coordinates in host units");
        std::int32_t xyz[3];
        for (int axis = 0; axis < 3; ++axis) {
            std::int64_t value = 0;
            if (!ParseWhole(words[axis + 1], value) || value < INT32_MIN || value > INT32_MAX)
                throw Error("coordinate '" + std::string(words[axis + 1]) + "' is not a 32-bit integer (host units)");
            xyz[axis] = static_cast<std::int32_t>(value);
        }
        mesh_.vertices.push_back({xyz[0], xyz[1], xyz[2], 0});
    }

    // A vertex reference: "a", "a/t", "a/t/n" or "a//n"; negative counts back
    // from the last vertex read.
    std::int32_t Index(std::string_view word) {
        const std::string_view number = word.substr(0, word.find('/'));
        std::int64_t value = 0;
        const auto count = static_cast<std::int64_t>(mesh_.vertices.size());
        if (!ParseWhole(number, value) || value == 0)
            throw Error("'" + std::string(word) + "' is not a vertex index");
        const std::int64_t position = value > 0 ? value - 1 : count + value;
        if (position < 0 || position >= count)
            throw Error("vertex index " + std::string(number) + " out of range (" + std::to_string(count) +
                        " vertices so far)");
        return static_cast<std::int32_t>(position);
    }

    const std::string& fileName_;
    std::size_t lineNumber_ = 0;
    MeshData mesh_;
};

}  // namespace

MeshData ReadObj(std::string_view text, const std::string& fileName) {
    ObjReader reader(fileName);
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        reader.Line(text.substr(0, newline));
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    }
    return reader.Take();
}
