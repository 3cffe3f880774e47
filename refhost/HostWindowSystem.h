// The host's side of the window system around the plug-in's runs: the host
// window handed to `_Xmodeler`, the user at the dialog (played from a
// script, or a person), and what can be seen of the cursor and beeps.
//
// Linux: the headless window system shared with the plug-in; the host
// registers an agent that plays the user. Windows: a real (hidden) host
// window, and a thread timer that keeps firing inside the plug-in's modal
// dialog loop, finds the dialog and drives it as UI automation would.
#pragma once

#include <memory>

#include "refhost/RunSummary.h"
#include "refhost/UserScript.h"

class HostWindowSystem {
public:
    virtual ~HostWindowSystem() = default;
    // The handle the host passes as its main window.
    virtual void* Window() = 0;
    // Around each `_Xmodeler` call.
    virtual void BeforeRun() = 0;
    virtual void AfterRun() = 0;
    // Fills what this window system could record: beeps, whether the cursor
    // came back after every run, how many dialogs were shown.
    virtual void Report(RunSummary& summary) const = 0;
};

// A scripted user, or a person when `interactive` (the script is then unused).
std::unique_ptr<HostWindowSystem> MakeHostWindowSystem(const UserScript& script, bool interactive);
