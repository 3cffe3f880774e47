// Whole runs of the plug-in in this process: the strict in-memory host, the
// headless dialog, and a user played by a script.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "entry/GenerationRun.h"
#include "entry/LibraryEntry.h"
#include "entry/PluginState.h"
#include "platform/DialogResults.h"
#include "platform/TModule.h"
#include "platform/TWindow.h"
#include "platform/headless/HeadlessAutomation.h"
#include "refhost/MemoryHost.h"

// Names a parameterised test after its case's `name`.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& test) const {
        return test.param.name;
    }
};

// The user at the dialog: does what the test says, OK by default.
class ScriptedUser : public HeadlessDialogAgent {
public:
    std::function<void(HeadlessDialog&)> attend = [](HeadlessDialog& dialog) { dialog.PressButton(kOkCommand); };
    void Attend(HeadlessDialog& dialog) override { attend(dialog); }
};

// A fresh load of the plug-in (this program plays the library) for each
// test, with the host's own cursor shown.
class PluginRunTest : public ::testing::Test {
protected:
    static constexpr std::uintptr_t kHostCursor = 0x4000;

    void SetUp() override {
        SetHeadlessDialogAgent(&user);
        ResetHeadlessServices(kHostCursor);
        LibraryEntry(DefaultModuleInstance(), kProcessAttach, nullptr);
    }

    void TearDown() override {
        LibraryEntry(nullptr, kProcessDetach, nullptr);
        SetHeadlessDialogAgent(nullptr);
    }

    WindowHandle HostWindow() { return reinterpret_cast<WindowHandle>(&hostWindow_); }
    bool Run() { return RunXmodeler(HostWindow(), 0x1234, host.Context()); }

    // Pastes the texts into their fields and presses OK.
    void EnterTexts(std::initializer_list<std::pair<int, const char*>> texts) {
        std::vector<std::pair<int, std::string>> fields(texts.begin(), texts.end());
        user.attend = [fields](HeadlessDialog& dialog) {
            for (const auto& [controlId, text] : fields) dialog.PasteText(controlId, text);
            dialog.PressButton(kOkCommand);
        };
    }

    // What every run leaves behind, however it ended.
    void ExpectRunObjectsGone() {
        EXPECT_EQ(HeadlessServices().currentCursor, kHostCursor) << "the host's cursor is back";
        EXPECT_EQ(ParentWindow, nullptr);
        EXPECT_EQ(PluginModule, nullptr);
        EXPECT_EQ(TWindow::FindWindowObject(HostWindow()), nullptr);
    }

    int SelectedVertices() const {
        int selected = 0;
        for (std::int32_t i = 0; i < host.vertexCount; ++i) selected += host.Vertices()[i].status == 1;
        return selected;
    }

    MemoryHost host{HostMode::Strict};
    ScriptedUser user;

private:
    char hostWindow_ = 0;
};
