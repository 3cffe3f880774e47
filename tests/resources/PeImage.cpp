#include "PeImage.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "ByteReader.h"

namespace {

constexpr std::uint16_t kDosMagic = 0x5A4D;           // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;    // "PE\0\0"
constexpr std::uint16_t kOptionalHeaderPe32 = 0x010B;
constexpr std::uint16_t kOptionalHeaderPe32Plus = 0x020B;
constexpr std::size_t kExportDirectoryIndex = 0;
constexpr std::size_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kResourceSubdirectoryFlag = 0x80000000;
constexpr std::uint32_t kResourceNamedEntryFlag = 0x80000000;

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

PeImage::PeImage(const std::filesystem::path& path) : bytes_(ReadFile(path)) {
    const ByteReader file(bytes_);
    if (file.Size() < 0x40 || file.U16(0) != kDosMagic) throw std::runtime_error(path.string() + " has no DOS header");
    const std::size_t pe = file.U32(0x3C);
    if (file.U32(pe) != kPeSignature) throw std::runtime_error(path.string() + " has no PE signature");

    const std::size_t coff = pe + 4;
    machine_ = file.U16(coff);
    const std::uint16_t sectionCount = file.U16(coff + 2);
    const std::uint16_t optionalHeaderSize = file.U16(coff + 16);

    const std::size_t optional = coff + 20;
    std::size_t directories = 0;  // offset of the data directories
    std::size_t directoryCountAt = 0;
    switch (file.U16(optional)) {
    case kOptionalHeaderPe32:
        directoryCountAt = optional + 92;
        directories = optional + 96;
        break;
    case kOptionalHeaderPe32Plus:
        directoryCountAt = optional + 108;
        directories = optional + 112;
        break;
    default:
        throw std::runtime_error(path.string() + " has an unknown optional header");
    }
    const std::uint32_t directoryCount = file.U32(directoryCountAt);
    auto directory = [&](std::size_t index) {
        DataDirectory d;
        if (index < directoryCount) d = {file.U32(directories + 8 * index), file.U32(directories + 8 * index + 4)};
        return d;
    };
    exports_ = directory(kExportDirectoryIndex);
    resources_ = directory(kResourceDirectoryIndex);

    const std::size_t sectionTable = optional + optionalHeaderSize;
    for (std::size_t i = 0; i < sectionCount; ++i) {
        const std::size_t s = sectionTable + 40 * i;
        sections_.push_back({file.U32(s + 12), file.U32(s + 8), file.U32(s + 20), file.U32(s + 16)});
    }
}

std::size_t PeImage::FileOffset(std::uint32_t rva) const {
    for (const Section& s : sections_) {
        if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize) {
            const std::size_t offset = std::size_t{s.rawOffset} + (rva - s.virtualAddress);
            if (offset >= bytes_.size()) break;
            return offset;
        }
    }
    throw std::out_of_range("address " + std::to_string(rva) + " lies in no section's data");
}

std::vector<std::string> PeImage::ExportNames() const {
    std::vector<std::string> names;
    if (exports_.size == 0) return names;
    const ByteReader file(bytes_);
    const std::size_t table = FileOffset(exports_.rva);
    const std::uint32_t nameCount = file.U32(table + 24);
    const std::size_t namePointers = FileOffset(file.U32(table + 32));
    for (std::size_t i = 0; i < nameCount; ++i) names.push_back(file.String8(FileOffset(file.U32(namePointers + 4 * i))));
    return names;
}

std::optional<std::uint32_t> PeImage::FindResourceEntry(std::size_t directory, std::uint16_t id) const {
    const ByteReader file(bytes_);
    const std::size_t base = FileOffset(resources_.rva);
    const std::size_t at = base + directory;
    const std::size_t entryCount = std::size_t{file.U16(at + 12)} + file.U16(at + 14);
    for (std::size_t i = 0; i < entryCount; ++i) {
        const std::size_t entry = at + 16 + 8 * i;
        const std::uint32_t name = file.U32(entry);
        if ((name & kResourceNamedEntryFlag) == 0 && name == id) return file.U32(entry + 4);
    }
    return std::nullopt;
}

std::optional<std::span<const std::uint8_t>> PeImage::FindResource(std::uint16_t type, std::uint16_t name,
                                                                   std::uint16_t language) const {
    if (resources_.size == 0) return std::nullopt;
    // Three levels, type, name and language, each a directory of the one
    // before; the language entry leads to the data entry.
    const std::uint16_t path[] = {type, name, language};
    std::uint32_t entry = 0;
    for (std::size_t level = 0; level < std::size(path); ++level) {
        std::size_t directory = 0;  // the root
        if (level > 0) {
            if ((entry & kResourceSubdirectoryFlag) == 0)
                throw std::runtime_error("resource directory ends before the language level");
            directory = entry & ~kResourceSubdirectoryFlag;
        }
        const auto found = FindResourceEntry(directory, path[level]);
        if (!found) return std::nullopt;
        entry = *found;
    }
    if (entry & kResourceSubdirectoryFlag) throw std::runtime_error("resource language entry is a directory");

    const ByteReader file(bytes_);
    const std::size_t dataEntry = FileOffset(resources_.rva) + entry;
    const std::uint32_t dataRva = file.U32(dataEntry);
    const std::uint32_t dataSize = file.U32(dataEntry + 4);
    return file.Bytes(FileOffset(dataRva), dataSize);
}
