// The user at a headless dialog, and what the headless window system
// recorded, as the host program and the tests see them.
//
// On Linux there is no window system: the platform layer models the dialog
// from the same control table as the resource script, and whoever plays the
// user (the host program, a test) registers an agent that is handed each
// modal dialog once it is set up. The agent reads fields, types or pastes
// text and presses a button, as a person or UI automation would on Windows.
//
// This header belongs to the headless backend, a shared library of its own
// that the plug-in and the host both link, as the window system is shared
// on Windows. It includes no plug-in header.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#if defined(__GNUC__)
#define VORNIX_HEADLESS_API __attribute__((visibility("default")))
#else
#define VORNIX_HEADLESS_API
#endif

// A modal dialog as the user sees it while it is shown.
class VORNIX_HEADLESS_API HeadlessDialog {
public:
    virtual ~HeadlessDialog() = default;

    virtual int TemplateId() const = 0;
    virtual std::string Caption() const = 0;
    // Control ids in tab order.
    virtual std::vector<int> ControlIds() const = 0;
    virtual std::string ClassName(int controlId) const = 0;  // "EDIT", "BUTTON", "STATIC"
    virtual std::uint32_t Style(int controlId) const = 0;
    virtual std::string Text(int controlId) const = 0;

    // Replaces an edit control's text as a paste or WM_SETTEXT would, without
    // the typing rules.
    virtual void PasteText(int controlId, std::string_view text) = 0;
    // Empties an edit control (select all, delete).
    virtual void ClearText(int controlId) = 0;
    // Types one character key by key, under the control's rules: nothing
    // beyond its text limit, digits only in an ES_NUMBER edit. Returns false
    // when the control refused the key.
    virtual bool TypeCharacter(int controlId, char character) = 0;
    // Clicks a push button: 1 (OK) copies the texts out and ends the dialog
    // with 1; 2 (Cancel) ends it with 2.
    virtual void PressButton(int controlId) = 0;
    // Ends the dialog with any result, as the window system may. (-1 is the
    // window system's answer for a dialog it could not make; the class
    // library takes it as that failure.)
    virtual void End(int result) = 0;
};

// Plays the user. Attend is called once for each modal dialog, after its
// set-up; it must end the dialog (press a button or End) before returning,
// or the dialog ends with Cancel.
class VORNIX_HEADLESS_API HeadlessDialogAgent {
public:
    virtual ~HeadlessDialogAgent() = default;
    virtual void Attend(HeadlessDialog& dialog) = 0;
};

// The agent for every following dialog; null for none (dialogs then end
// with Cancel at once). The caller keeps the agent alive.
VORNIX_HEADLESS_API void SetHeadlessDialogAgent(HeadlessDialogAgent* agent);

// What the window system recorded of the services the plug-in called.
struct HeadlessServiceRecord {
    std::vector<std::uint32_t> beeps;  // MessageBeep types, in order
    std::uintptr_t currentCursor = 0;  // the cursor now shown
    std::uintptr_t waitCursor = 0;     // the handle LoadCursorA gives for IDC_WAIT
    int cursorChanges = 0;             // SetCursor calls
    int dialogsShown = 0;              // modal dialogs that reached their set-up
};

VORNIX_HEADLESS_API const HeadlessServiceRecord& HeadlessServices();
// Forgets the record and makes `cursor` the cursor now shown (the host's own).
VORNIX_HEADLESS_API void ResetHeadlessServices(std::uintptr_t cursor);
