// Little-endian reads from a byte buffer, each checked against its end: the
// files under test are read, not trusted, so a malformed one fails the test
// with a message instead of reading past the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Size() const { return bytes_.size(); }

    std::uint8_t U8(std::size_t offset) const {
        Require(offset, 1);
        return bytes_[offset];
    }
    std::uint16_t U16(std::size_t offset) const {
        Require(offset, 2);
        return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
    }
    std::uint32_t U32(std::size_t offset) const {
        return U16(offset) | static_cast<std::uint32_t>(U16(offset + 2)) << 16;
    }
    std::int16_t I16(std::size_t offset) const { return static_cast<std::int16_t>(U16(offset)); }

    // The zero-terminated UTF-16 string at `offset`; `end` receives the
    // offset just past its terminator.
    std::u16string String16(std::size_t offset, std::size_t* end) const {
        std::u16string text;
        for (char16_t c; (c = static_cast<char16_t>(U16(offset))) != 0; offset += 2) text.push_back(c);
        *end = offset + 2;
        return text;
    }

    // The zero-terminated byte string at `offset`.
    std::string String8(std::size_t offset) const {
        std::string text;
        for (char c; (c = static_cast<char>(U8(offset))) != 0; ++offset) text.push_back(c);
        return text;
    }

    // `size` bytes from `offset`.
    std::span<const std::uint8_t> Bytes(std::size_t offset, std::size_t size) const {
        Require(offset, size);
        return bytes_.subspan(offset, size);
    }

private:
    void Require(std::size_t offset, std::size_t size) const {
        if (offset > bytes_.size() || size > bytes_.size() - offset)
            throw std::out_of_range("read of " + std::to_string(size) + " bytes at " + std::to_string(offset) +
                                    " beyond the end at " + std::to_string(bytes_.size()));
    }

    std::span<const std::uint8_t> bytes_;
};

// Rounds an offset up to the next multiple of four, as resource data aligns
// its parts on 32-bit boundaries.
constexpr std::size_t AlignToDword(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

