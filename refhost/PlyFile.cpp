#include "refhost/PlyFile.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "refhost/MeshFileError.h"

std::string WritePly(const MeshData& mesh) {
    std::string text =
        "ply\n"
        "format ascii 1.0\n"
        "comment vornix-host mesh in host units\n"
        "element vertex " + std::to_string(mesh.vertices.size()) + "\n"
        "property int x\n"
        "property int y\n"
        "property int z\n"
        "property uchar status\n"
        "element edge " + std::to_string(mesh.edges.size()) + "\n"
        "property int vertex1\n"
        "property int vertex2\n"
        "element face " + std::to_string(mesh.faces.size()) + "\n"
        "property list uchar int vertex_indices\n"
        "end_header\n";
    for (const MeshVertex& v : mesh.vertices)
        text += std::to_string(v.x) + " " + std::to_string(v.y) + " " + std::to_string(v.z) + " " +
                std::to_string(static_cast<std::uint8_t>(v.status)) + "\n";
    for (const HostEdge& e : mesh.edges) text += std::to_string(e.a) + " " + std::to_string(e.b) + "\n";
    for (const HostFace& f : mesh.faces)
        text += "3 " + std::to_string(f.a) + " " + std::to_string(f.b) + " " + std::to_string(f.c) + "\n";
    return text;
}

namespace {

enum class PlyType { Int8, UInt8, Int16, UInt16, Int32, UInt32, Float32, Float64 };

std::optional<PlyType> TypeNamed(std::string_view name) {
    static const std::map<std::string_view, PlyType> kTypes{
        {"char", PlyType::Int8},      {"int8", PlyType::Int8},       {"uchar", PlyType::UInt8},
        {"uint8", PlyType::UInt8},    {"short", PlyType::Int16},     {"int16", PlyType::Int16},
        {"ushort", PlyType::UInt16},  {"uint16", PlyType::UInt16},   {"int", PlyType::Int32},
        {"int32", PlyType::Int32},    {"uint", PlyType::UInt32},     {"uint32", PlyType::UInt32},
        {"float", PlyType::Float32},  {"float32", PlyType::Float32}, {"double", PlyType::Float64},
        {"float64", PlyType::Float64}};
    const auto it = kTypes.find(name);
    if (it == kTypes.end()) return std::nullopt;
    return it->second;
}

std::size_t SizeOf(PlyType type) {
    switch (type) {
        case PlyType::Int8: case PlyType::UInt8: return 1;
        case PlyType::Int16: case PlyType::UInt16: return 2;
        case PlyType::Int32: case PlyType::UInt32: case PlyType::Float32: return 4;
        case PlyType::Float64: return 8;
    }
    return 0;
}

struct PlyProperty {
    std::string name;
    PlyType type;                       // the value's type, or the list entries' type
    std::optional<PlyType> countType;   // set for a list
};

struct PlyElement {
    std::string name;
    std::size_t count;
    std::size_t headerLine;
    std::vector<PlyProperty> properties;
};

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

// Where the record being read is, for messages: a line of an ASCII file, or
// an element of a binary one.
struct Place {
    const std::string& fileName;
    std::size_t line = 0;  // 0: binary data
    std::string element;
    std::size_t record = 0;

    MeshFileError Error(const std::string& what) const {
        if (line > 0) return MeshFileErrorAt(fileName, line, what);
        return MeshFileError(fileName + ": " + element + " " + std::to_string(record) + ": " + what);
    }
};

// The values of one record, as doubles: every PLY type fits one exactly.
using Record = std::vector<double>;

class RecordSource {
public:
    virtual ~RecordSource() = default;
    // Reads one record of the element; lists come as their count followed
    // by their entries.
    virtual Record Read(const PlyElement& element, Place& place) = 0;
};

class AsciiSource : public RecordSource {
public:
    AsciiSource(std::string_view body, std::size_t firstLine) : rest_(body), line_(firstLine - 1) {}

    Record Read(const PlyElement& element, Place& place) override {
        std::vector<std::string_view> words;
        while (words.empty()) {
            if (rest_.empty()) {
                place.line = line_ + 1;
                throw place.Error("file ends before " + element.name + " " + std::to_string(place.record));
            }
            const std::size_t newline = rest_.find('\n');
            words = SplitWords(rest_.substr(0, newline));
            rest_ = newline == std::string_view::npos ? std::string_view() : rest_.substr(newline + 1);
            ++line_;
        }
        place.line = line_;
        Record record;
        std::size_t w = 0;
        auto next = [&](PlyType type) {
            if (w == words.size()) throw place.Error(element.name + " " + std::to_string(place.record) + ": too few values");
            const std::string_view word = words[w++];
            double value = 0;
            const char* end = word.data() + word.size();
            auto [stop, error] = std::from_chars(word.data(), end, value);
            if (error != std::errc() || stop != end || !std::isfinite(value))
                throw place.Error("'" + std::string(word) + "' is not a number");
            const bool integral = type != PlyType::Float32 && type != PlyType::Float64;
            if (integral && value != std::floor(value))
                throw place.Error("'" + std::string(word) + "' is not an integer");
            return value;
        };
        for (const PlyProperty& property : element.properties) {
            if (property.countType) {
                const double count = next(*property.countType);
                if (count < 0 || count > 1e6) throw place.Error("list length " + std::to_string(count) + " is not usable");
                record.push_back(count);
                for (int i = 0; i < static_cast<int>(count); ++i) record.push_back(next(property.type));
            } else {
                record.push_back(next(property.type));
            }
        }
        if (w != words.size()) throw place.Error(element.name + " " + std::to_string(place.record) + ": too many values");
        return record;
    }

    bool AtEnd() const { return SplitWords(rest_).empty(); }

private:
    std::string_view rest_;
    std::size_t line_;
};

class BinarySource : public RecordSource {
public:
    explicit BinarySource(std::string_view body) : rest_(body) {}

    Record Read(const PlyElement& element, Place& place) override {
        Record record;
        auto next = [&](PlyType type) {
            const std::size_t size = SizeOf(type);
            if (rest_.size() < size) throw place.Error("the file ends inside this record");
            unsigned char bytes[8];
            std::memcpy(bytes, rest_.data(), size);
            rest_.remove_prefix(size);
            std::uint64_t bits = 0;
            for (std::size_t i = size; i-- > 0;) bits = bits << 8 | bytes[i];  // little-endian on every host
            switch (type) {
                case PlyType::Int8: return double(static_cast<std::int8_t>(bits));
                case PlyType::UInt8: return double(static_cast<std::uint8_t>(bits));
                case PlyType::Int16: return double(static_cast<std::int16_t>(bits));
                case PlyType::UInt16: return double(static_cast<std::uint16_t>(bits));
                case PlyType::Int32: return double(static_cast<std::int32_t>(bits));
                case PlyType::UInt32: return double(static_cast<std::uint32_t>(bits));
                case PlyType::Float32: {
                    const auto narrow = static_cast<std::uint32_t>(bits);
                    float value;
                    std::memcpy(&value, &narrow, 4);
                    return double(value);
                }
                case PlyType::Float64: {
                    double value;
                    std::memcpy(&value, &bits, 8);
                    return value;
                }
            }
            return 0.0;
        };
        for (const PlyProperty& property : element.properties) {
            if (property.countType) {
                const double count = next(*property.countType);
                if (count < 0) throw place.Error("negative list length");
                record.push_back(count);
                for (double i = 0; i < count; ++i) record.push_back(next(property.type));
            } else {
                record.push_back(next(property.type));
            }
        }
        return record;
    }

    bool AtEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

// Position of a scalar property's value in a record; nullopt when the
// element has no such property. Lists before it shift it, so only
// properties before the first list are looked up this way.
std::optional<std::size_t> ScalarSlot(const PlyElement& element, std::string_view name) {
    for (std::size_t i = 0; i < element.properties.size(); ++i) {
        if (element.properties[i].countType) return std::nullopt;
        if (element.properties[i].name == name) return i;
    }
    return std::nullopt;
}

std::int32_t WholeInt32(double value, const std::string& what, const Place& place) {
    if (!std::isfinite(value) || value != std::floor(value) || value < INT32_MIN || value > INT32_MAX)
        throw place.Error(what + " " + std::to_string(value) + " is not a whole 32-bit value");
    return static_cast<std::int32_t>(value);
}

}  // namespace

MeshData ReadPly(std::string_view bytes, const std::string& fileName) {
    // The header: lines up to end_header.
    std::vector<PlyElement> elements;
    bool binary = false;
    std::size_t lineNumber = 0;
    std::size_t offset = 0;
    bool sawFormat = false;
    for (;;) {
        if (offset >= bytes.size()) throw MeshFileErrorAt(fileName, lineNumber + 1, "the header has no end_header");
        const std::size_t newline = bytes.find('\n', offset);
        const std::string_view line =
            bytes.substr(offset, newline == std::string_view::npos ? std::string_view::npos : newline - offset);
        offset = newline == std::string_view::npos ? bytes.size() : newline + 1;
        ++lineNumber;
        const std::vector<std::string_view> words = SplitWords(line);
        auto error = [&](const std::string& what) { return MeshFileErrorAt(fileName, lineNumber, what); };
        if (lineNumber == 1) {
            if (words.size() != 1 || words[0] != "ply") throw error("not a PLY file (no 'ply' line)");
            continue;
        }
        if (words.empty() || words[0] == "comment" || words[0] == "obj_info") continue;
        if (words[0] == "format") {
            if (words.size() != 3 || words[2] != "1.0") throw error("unsupported format line");
            if (words[1] == "binary_little_endian") binary = true;
            else if (words[1] != "ascii") throw error("format '" + std::string(words[1]) + "' is not read (ascii or binary_little_endian)");
            sawFormat = true;
        } else if (words[0] == "element") {
            std::size_t count = 0;
            if (words.size() != 3 ||
                std::from_chars(words[2].data(), words[2].data() + words[2].size(), count).ptr !=
                    words[2].data() + words[2].size())
                throw error("an element line needs a name and a count");
            elements.push_back({std::string(words[1]), count, lineNumber, {}});
        } else if (words[0] == "property") {
            if (elements.empty()) throw error("a property before any element");
            PlyProperty property;
            if (words.size() == 5 && words[1] == "list") {
                const auto countType = TypeNamed(words[2]);
                const auto entryType = TypeNamed(words[3]);
                if (!countType || !entryType) throw error("unknown property type");
                property = {std::string(words[4]), *entryType, countType};
            } else if (words.size() == 3) {
                const auto type = TypeNamed(words[1]);
                if (!type) throw error("unknown property type '" + std::string(words[1]) + "'");
                property = {std::string(words[2]), *type, std::nullopt};
            } else {
                throw error("malformed property line");
            }
            elements.back().properties.push_back(property);
        } else if (words[0] == "end_header") {
            if (!sawFormat) throw error("the header has no format line");
            break;
        } else {
            throw error("unknown header line '" + std::string(words[0]) + "'");
        }
    }

    // Where the vertex element declares the count the edges and faces index.
    std::size_t vertexCount = 0;
    for (const PlyElement& element : elements)
        if (element.name == "vertex") vertexCount = element.count;

    std::string_view body = bytes.substr(offset);
    AsciiSource ascii(body, lineNumber + 1);
    BinarySource binarySource(body);
    RecordSource& source = binary ? static_cast<RecordSource&>(binarySource) : ascii;

    MeshData mesh;
    for (const PlyElement& element : elements) {
        Place place{fileName, 0, element.name, 0};
        auto need = [&](std::string_view name) {
            const auto slot = ScalarSlot(element, name);
            if (!slot)
                throw MeshFileErrorAt(fileName, element.headerLine,
                                      "element " + element.name + " has no property " + std::string(name));
            return *slot;
        };
        auto index = [&](double value) {
            const std::int32_t i = WholeInt32(value, "vertex index", place);
            if (i < 0 || static_cast<std::size_t>(i) >= vertexCount)
                throw place.Error("vertex index " + std::to_string(i) + " out of range (" + std::to_string(vertexCount) +
                                  " vertices)");
            return i;
        };
        if (element.name == "vertex") {
            const std::size_t x = need("x"), y = need("y"), z = need("z");
            const std::optional<std::size_t> status = ScalarSlot(element, "status");
            mesh.vertices.reserve(std::min(element.count, bytes.size()));  // the count may lie
            for (place.record = 0; place.record < element.count; ++place.record) {
                const Record r = source.Read(element, place);
                std::int8_t statusByte = 0;
                if (status) {
                    const double s = r[*status];
                    if (s != std::floor(s) || s < -128 || s > 255) throw place.Error("status is not a byte");
                    statusByte = static_cast<std::int8_t>(static_cast<std::uint8_t>(static_cast<int>(s) & 0xFF));
                }
                mesh.vertices.push_back({WholeInt32(r[x], "x", place), WholeInt32(r[y], "y", place),
                                         WholeInt32(r[z], "z", place), statusByte});
            }
        } else if (element.name == "edge") {
            const std::size_t a = need("vertex1"), b = need("vertex2");
            for (place.record = 0; place.record < element.count; ++place.record) {
                const Record r = source.Read(element, place);
                mesh.edges.push_back({index(r[a]), index(r[b])});
            }
        } else if (element.name == "face") {
            std::optional<std::size_t> list;  // position of the index list's count in a record
            std::size_t position = 0;
            for (const PlyProperty& property : element.properties) {
                if (property.countType && (property.name == "vertex_indices" || property.name == "vertex_index")) {
                    list = position;
                    break;
                }
                if (property.countType) break;  // a list before it: positions vary per record
                ++position;
            }
            if (!list)
                throw MeshFileErrorAt(fileName, element.headerLine, "element face has no vertex_indices list first among its lists");
            for (place.record = 0; place.record < element.count; ++place.record) {
                const Record r = source.Read(element, place);
                if (r[*list] != 3)
                    throw place.Error("a face needs exactly three vertices (the host holds triangles), not " +
                                      std::to_string(static_cast<long long>(r[*list])));
                mesh.faces.push_back({index(r[*list + 1]), index(r[*list + 2]), index(r[*list + 3])});
            }
        } else {
            for (place.record = 0; place.record < element.count; ++place.record) source.Read(element, place);
        }
    }
    if (binary ? !binarySource.AtEnd() : !ascii.AtEnd())
        throw MeshFileError(fileName + ": data goes on after the last element the header declares");
    return mesh;
}
