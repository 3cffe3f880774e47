// The Linux host: the headless window system, with an agent that plays the
// user from the command line's script or asks a person at the terminal.
#include <iostream>
#include <string>

#include "platform/headless/HeadlessAutomation.h"
#include "refhost/HostWindowSystem.h"

namespace {

// The host's own cursor, shown before every run; the plug-in must give it back.
constexpr std::uintptr_t kHostCursor = 0x4000;

// Puts the script's texts into their fields, pasted or typed key by key
// into the emptied field, and presses OK or Cancel.
class ScriptedUser : public HeadlessDialogAgent {
public:
    explicit ScriptedUser(const UserScript& script) : script_(script) {}

    void Attend(HeadlessDialog& dialog) override {
        for (std::size_t i = 0; i < kDialogFields.size(); ++i) {
            if (!script_.texts[i]) continue;
            const int id = kDialogFields[i].controlId;
            if (script_.type) {
                dialog.ClearText(id);
                for (const char key : *script_.texts[i]) dialog.TypeCharacter(id, key);
            } else {
                dialog.PasteText(id, *script_.texts[i]);
            }
        }
        dialog.PressButton(script_.cancel ? kCancelButton : kOkButton);
    }

private:
    const UserScript& script_;
};

// A person at the terminal: each field's label and text are shown; what the
// person enters is typed key by key into the emptied field, under the
// field's rules, as at the real dialog. Prompts go to stderr, so that
// stdout keeps only the summary.
class TerminalUser : public HeadlessDialogAgent {
public:
    void Attend(HeadlessDialog& dialog) override {
        std::cerr << "\n" << dialog.Caption() << "\n"
                  << "  Enter keeps a field's text; a line of one backslash empties it.\n";
        for (const DialogField& field : kDialogFields) {
            const std::string label = dialog.Text(field.labelId);
            std::cerr << "  " << (label.empty() ? field.label : label) << " [" << dialog.Text(field.controlId) << "]: " << std::flush;
            std::string line;
            if (!std::getline(std::cin, line)) return GiveUp(dialog);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty()) continue;
            dialog.ClearText(field.controlId);
            if (line == "\\") continue;
            std::string refused;
            for (const char key : line)
                if (!dialog.TypeCharacter(field.controlId, key)) refused += key;
            if (!refused.empty())
                std::cerr << "    the field refused \"" << refused << "\"; it reads \"" << dialog.Text(field.controlId)
                          << "\"\n";
        }
        for (;;) {
            std::cerr << "  OK or Cancel? [OK]: " << std::flush;
            std::string line;
            if (!std::getline(std::cin, line)) return GiveUp(dialog);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            for (char& c : line) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            if (line.empty() || line == "ok" || line == "o") return dialog.PressButton(kOkButton);
            if (line == "cancel" || line == "c") return dialog.PressButton(kCancelButton);
        }
    }

private:
    // No more input: the person has left; nothing is built.
    static void GiveUp(HeadlessDialog& dialog) {
        std::cerr << "\n  (end of input: Cancel)\n";
        dialog.PressButton(kCancelButton);
    }
};

class HeadlessWindowSystem : public HostWindowSystem {
public:
    HeadlessWindowSystem(const UserScript& script, bool interactive) {
        if (interactive) agent_ = std::make_unique<TerminalUser>();
        else agent_ = std::make_unique<ScriptedUser>(script);
        SetHeadlessDialogAgent(agent_.get());
    }
    ~HeadlessWindowSystem() override { SetHeadlessDialogAgent(nullptr); }

    // The headless window system takes any value as the host's window.
    void* Window() override { return &window_; }

    void BeforeRun() override { ResetHeadlessServices(kHostCursor); }

    void AfterRun() override {
        const HeadlessServiceRecord& record = HeadlessServices();
        beeps_.insert(beeps_.end(), record.beeps.begin(), record.beeps.end());
        cursorRestored_ = cursorRestored_ && record.currentCursor == kHostCursor;
        dialogsShown_ += record.dialogsShown;
    }

    void Report(RunSummary& summary) const override {
        summary.beeps = beeps_;
        summary.cursorRestored = cursorRestored_;
        summary.dialogsShown = dialogsShown_;
    }

private:
    char window_ = 0;
    std::unique_ptr<HeadlessDialogAgent> agent_;
    std::vector<std::uint32_t> beeps_;
    bool cursorRestored_ = true;
    int dialogsShown_ = 0;
};

}  // namespace

std::unique_ptr<HostWindowSystem> MakeHostWindowSystem(const UserScript& script, bool interactive) {
    return std::make_unique<HeadlessWindowSystem>(script, interactive);
}
