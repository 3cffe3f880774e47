// What the host does at the plug-in's dialog when it plays the user: the
// texts it puts into the seven fields, how (paste or type), and which button
// it presses. The Linux agent and the Windows dialog driver both follow it.
#pragma once

#include <array>
#include <optional>
#include <string>

// One edit field of the dialog, with its label and its command-line flag.
struct DialogField {
    int controlId;
    int labelId;
    const char* label;
    const char* flag;
};

// In the order the plug-in transfers them.
inline constexpr std::array<DialogField, 7> kDialogFields{{
    {102, 106, "Ring Radius", "--ring-radius"},
    {103, 107, "Tube Radius", "--tube-radius"},
    {104, 108, "Ring Sections", "--ring-sections"},
    {105, 109, "Tube Sections", "--tube-sections"},
    {111, 114, "R/L", "--rl"},
    {112, 115, "F/B", "--fb"},
    {113, 116, "U/D", "--ud"},
}};

inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;
inline constexpr const char* kDialogCaption = "Vornix Primitive";

struct UserScript {
    // A text for each field in kDialogFields order; no text leaves the field alone.
    std::array<std::optional<std::string>, kDialogFields.size()> texts;
    bool type = false;    // type key by key into the emptied field instead of pasting
    bool cancel = false;  // press Cancel instead of OK
};
