// The built plug-in library, loaded the way the modeler loads it: its
// exports, and one run through the loaded `_Xmodeler`. The headless window
// system is shared, so the user this test registers is the one the plug-in
// sees.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "host/ModelerContext.h"
#include "platform/headless/HeadlessAutomation.h"
#include "refhost/MemoryHost.h"

namespace {

// The plug-in's defined dynamic symbols, as the system's tool lists them.
std::set<std::string> ExportedNames(const std::string& library) {
    std::set<std::string> names;
    FILE* listing = popen(("nm -D --defined-only --format=posix '" + library + "'").c_str(), "r");
    if (listing == nullptr) return names;
    char line[512];
    while (std::fgets(line, sizeof line, listing) != nullptr) {
        const std::string entry(line);
        names.insert(entry.substr(0, entry.find(' ')));
    }
    pclose(listing);
    return names;
}

class PressOk : public HeadlessDialogAgent {
public:
    void Attend(HeadlessDialog& dialog) override { dialog.PressButton(1); }
};

TEST(LoadedPluginTest, ExportsExactlyTheTwoEntries) {
    EXPECT_EQ(ExportedNames(VORNIX_PLUGIN_LIBRARY), (std::set<std::string>{"DllEntryPoint", "_Xmodeler"}));
}

TEST(LoadedPluginTest, RunsTheDefaultTorusThroughTheLoadedEntry) {
    PressOk user;
    SetHeadlessDialogAgent(&user);
    ResetHeadlessServices(0x4000);
    void* library = dlopen(VORNIX_PLUGIN_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using Entry = std::uint8_t (*)(void* window, std::int32_t ignored, ModelerContext* context);
    const auto entry = reinterpret_cast<Entry>(dlsym(library, "_Xmodeler"));
    ASSERT_NE(entry, nullptr);
    MemoryHost host(HostMode::Strict);
    char window = 0;

    // Twice: the second run has no module object and still finds the
    // dialog in the library.
    EXPECT_EQ(entry(&window, 0, host.Context()), 1);
    EXPECT_EQ(entry(&window, 0, host.Context()), 1);

    EXPECT_EQ(host.vertexCount, 288);
    EXPECT_EQ(host.selectedVertexCount, 144);
    EXPECT_EQ(HeadlessServices().dialogsShown, 2);
    EXPECT_EQ(HeadlessServices().beeps, (std::vector<std::uint32_t>{0x30, 0x30}));
    EXPECT_EQ(HeadlessServices().currentCursor, 0x4000u);
    EXPECT_EQ(dlclose(library), 0);
    SetHeadlessDialogAgent(nullptr);
}

}  // namespace
