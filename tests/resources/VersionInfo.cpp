#include "VersionInfo.h"

#include <stdexcept>

#include "ByteReader.h"
#include "Utf16Text.h"

namespace {

constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
constexpr std::uint16_t kTextValue = 1;

// One node of the version tree: length, value length, type, key, the value
// and the child nodes, each part aligned on 32 bits.
struct Node {
    std::string key;
    std::uint16_t type;
    std::size_t value, valueLength;  // valueLength in WCHARs for text, bytes otherwise
    std::size_t children, end;
};

Node ReadNode(const ByteReader& data, std::size_t at, std::size_t parentEnd) {
    Node node;
    const std::uint16_t length = data.U16(at);
    node.valueLength = data.U16(at + 2);
    node.type = data.U16(at + 4);
    node.end = at + length;
    if (length < 6 || node.end > parentEnd) throw std::runtime_error("version node at " + std::to_string(at) + " overruns its parent");
    std::size_t keyEnd = 0;
    node.key = Utf8FromUtf16(data.String16(at + 6, &keyEnd));
    node.value = AlignToDword(keyEnd);
    const std::size_t valueBytes = node.type == kTextValue ? 2 * node.valueLength : node.valueLength;
    node.children = AlignToDword(node.value + valueBytes);
    return node;
}

// Calls visit(child) for each child of `parent`.
template <typename Visit>
void ForEachChild(const ByteReader& data, const Node& parent, Visit visit) {
    for (std::size_t at = parent.children; at < parent.end;) {
        const Node child = ReadNode(data, at, parent.end);
        visit(child);
        at = AlignToDword(child.end);
    }
}

std::string TextValue(const ByteReader& data, const Node& node) {
    if (node.valueLength == 0) return {};
    std::size_t end = 0;
    return Utf8FromUtf16(data.String16(node.value, &end));
}

FixedFileInfo ReadFixedFileInfo(const ByteReader& data, const Node& root) {
    if (root.valueLength < 52) throw std::runtime_error("version resource without fixed file information");
    const std::size_t at = root.value;
    FixedFileInfo f;
    f.signature = data.U32(at);
    f.structVersion = data.U32(at + 4);
    f.fileVersionMs = data.U32(at + 8);
    f.fileVersionLs = data.U32(at + 12);
    f.productVersionMs = data.U32(at + 16);
    f.productVersionLs = data.U32(at + 20);
    f.fileFlagsMask = data.U32(at + 24);
    f.fileFlags = data.U32(at + 28);
    f.fileOs = data.U32(at + 32);
    f.fileType = data.U32(at + 36);
    f.fileSubtype = data.U32(at + 40);
    if (f.signature != kFixedFileInfoSignature) throw std::runtime_error("fixed file information has a wrong signature");
    return f;
}

}  // namespace

VersionInfo ParseVersionInfo(std::span<const std::uint8_t> bytes) {
    const ByteReader data(bytes);
    const Node root = ReadNode(data, 0, data.Size());
    if (root.key != "VS_VERSION_INFO") throw std::runtime_error("not a version resource: " + root.key);

    VersionInfo info;
    info.fixed = ReadFixedFileInfo(data, root);
    ForEachChild(data, root, [&](const Node& block) {
        if (block.key == "StringFileInfo") {
            ForEachChild(data, block, [&](const Node& table) {
                auto& strings = info.strings[table.key];
                ForEachChild(data, table, [&](const Node& string) { strings[string.key] = TextValue(data, string); });
            });
        } else if (block.key == "VarFileInfo") {
            ForEachChild(data, block, [&](const Node& var) {
                if (var.key != "Translation") return;
                for (std::size_t at = var.value; at + 4 <= var.value + var.valueLength; at += 4)
                    info.translations.emplace_back(data.U16(at), data.U16(at + 2));
            });
        }
    });
    return info;
}
