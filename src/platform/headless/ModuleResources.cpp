#include "platform/headless/ModuleResources.h"

#include <array>

namespace {

struct ModuleResources {
    InstanceHandle module = nullptr;
    DialogResourceFinder find = nullptr;
};

// A process loads few plug-ins; a fixed table keeps registration free of
// allocation, so it can never fail halfway.
std::array<ModuleResources, 16> registeredModules;

}  // namespace

bool RegisterModuleResources(InstanceHandle module, DialogResourceFinder find) noexcept {
    if (module == nullptr || find == nullptr) return false;
    UnregisterModuleResources(module);
    for (ModuleResources& entry : registeredModules) {
        if (entry.module == nullptr) {
            entry = {module, find};
            return true;
        }
    }
    return false;
}

void UnregisterModuleResources(InstanceHandle module) noexcept {
    for (ModuleResources& entry : registeredModules)
        if (entry.module == module) entry = {};
}

const DialogResource* FindModuleDialog(InstanceHandle module, int templateId) {
    if (module == nullptr) return nullptr;
    for (const ModuleResources& entry : registeredModules)
        if (entry.module == module) return entry.find(templateId);
    return nullptr;
}
