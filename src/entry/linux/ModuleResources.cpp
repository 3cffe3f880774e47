// This module's dialog templates, made known to the headless window system
// for as long as the module is loaded: on Windows the loader finds them in
// the image's resource section.
#include "DialogResource.h"
#include "platform/WindowSystem.h"
#include "platform/headless/ModuleResources.h"

namespace {

struct ResourceRegistration {
    // The templates' own address names the module that holds them.
    InstanceHandle module = ModuleContaining(reinterpret_cast<const void*>(&FindDialogResource));
    ResourceRegistration() { RegisterModuleResources(module, &FindDialogResource); }
    ~ResourceRegistration() { UnregisterModuleResources(module); }
};

const ResourceRegistration registration;

}  // namespace
