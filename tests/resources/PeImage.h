// A Windows library file (PE32 or PE32+) read from disk, as far as the
// resource tests need it: its exported names and its resources.
//
// Everything is read from the file's bytes; nothing of the platform is used,
// so the 32-bit plug-in can be inspected on any machine.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

class PeImage {
public:
    // Reads and checks the headers. Throws std::runtime_error when the file
    // cannot be read or is no PE image, std::out_of_range when a header
    // points outside the file.
    explicit PeImage(const std::filesystem::path& path);

    std::uint16_t Machine() const { return machine_; }

    // The names in the export table, in the table's (sorted) order.
    std::vector<std::string> ExportNames() const;

    // The data of the resource with numeric type, numeric name and language,
    // or nothing when the file holds no such resource.
    std::optional<std::span<const std::uint8_t>> FindResource(std::uint16_t type, std::uint16_t name,
                                                              std::uint16_t language) const;

private:
    struct Section {
        std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
    };
    struct DataDirectory {
        std::uint32_t rva = 0, size = 0;
    };

    // The file offset of a relative virtual address, checked to lie in a
    // section's raw data.
    std::size_t FileOffset(std::uint32_t rva) const;
    // The resource directory entry with this numeric id under the directory
    // at `directory` (offsets within the resource section), or nothing.
    std::optional<std::uint32_t> FindResourceEntry(std::size_t directory, std::uint16_t id) const;

    std::vector<std::uint8_t> bytes_;
    std::uint16_t machine_ = 0;
    std::vector<Section> sections_;
    DataDirectory exports_, resources_;
};

// Machine types of the COFF header.
inline constexpr std::uint16_t kMachineI386 = 0x014C;
inline constexpr std::uint16_t kMachineAmd64 = 0x8664;

// Resource types.
inline constexpr std::uint16_t kResourceTypeDialog = 5;
inline constexpr std::uint16_t kResourceTypeVersion = 16;
