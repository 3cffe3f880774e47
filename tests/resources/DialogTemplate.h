// An extended dialog template (DLGTEMPLATEEX with its DLGITEMTEMPLATEEX
// items) decoded from resource data, field for field.
#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <vector>

// A name-or-ordinal field: 0xFFFF followed by an ordinal, or a UTF-16 string
// (empty for none). The name is kept in UTF-8.
struct NameOrOrdinal {
    bool isOrdinal = false;
    std::uint16_t ordinal = 0;
    std::string name;

    bool operator==(const NameOrOrdinal&) const = default;
};

// "#129" for an ordinal, the quoted name otherwise: for test messages.
inline std::ostream& operator<<(std::ostream& out, const NameOrOrdinal& field) {
    if (field.isOrdinal) return out << '#' << field.ordinal;
    return out << '"' << field.name << '"';
}

struct DialogItemTemplate {
    std::uint32_t helpId, exStyle, style;
    std::int16_t x, y, cx, cy;
    std::uint32_t id;
    NameOrOrdinal windowClass;
    NameOrOrdinal title;
    std::uint16_t extraCount;
};

struct DialogTemplate {
    std::uint16_t dlgVer, signature;
    std::uint32_t helpId, exStyle, style;
    std::uint16_t itemCount;
    std::int16_t x, y, cx, cy;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string title;
    // Present when the style has DS_SETFONT.
    bool hasFont = false;
    std::uint16_t pointSize = 0, weight = 0;
    std::uint8_t italic = 0, charset = 0;
    std::string typeface;
    std::vector<DialogItemTemplate> items;
};

// Decodes an extended template. Throws std::runtime_error when the data is
// not one, std::out_of_range when it ends early.
DialogTemplate ParseDialogTemplateEx(std::span<const std::uint8_t> data);
