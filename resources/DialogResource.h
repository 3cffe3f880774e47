// Dialog templates compiled into the plug-in as plain data, for the headless
// window system on Linux: the counterpart of the dialog resources that the
// Windows build carries in its resource section.
#pragma once

#include <cstddef>
#include <cstdint>

// One control of a dialog template. Texts are UTF-8.
struct DialogControlResource {
    int id;
    const char* className;  // "BUTTON", "EDIT" or "STATIC"
    const char* text;
    std::uint32_t style;
    std::uint32_t exStyle;
    std::int16_t x, y, width, height;  // dialog units
};

// A dialog template: its header, its font and its controls in tab order.
struct DialogResource {
    int id;
    std::uint32_t style, exStyle;
    std::int16_t x, y, width, height;  // dialog units
    const char* caption;
    std::uint16_t pointSize, weight;
    bool italic;
    std::uint8_t charset;
    const char* face;
    const DialogControlResource* controls;
    std::size_t controlCount;
};

// The library's dialog template with this id, or null when it has none.
// The data is static and lives as long as the library.
const DialogResource* FindDialogResource(int templateId);
