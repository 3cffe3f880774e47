#include "entry/LibraryEntry.h"

#include "entry/PluginState.h"
#include "platform/TModule.h"

int LibraryEntry(InstanceHandle instance, std::uint32_t reason, void* /*reserved*/) noexcept {
    if (reason == kProcessDetach) {
        // A library loaded and unloaded without a run would otherwise leave
        // its module object behind at every load.
        delete PluginModule;
        PluginModule = nullptr;
        return 1;
    }
    if (reason != kProcessAttach) return 1;
    PluginInstance = instance;
    if (instance == nullptr) return 1;
    try {
        PluginModule = new TModule(kPluginModuleName, instance);
    } catch (...) {
        // Without it every run uses the default module: this library.
    }
    return 1;
}
