#include "platform/TModule.h"

#include "platform/WindowSystem.h"

InstanceHandle DefaultModuleInstance() {
    // Any address in this file lies in the module the class library is
    // linked into.
    return ModuleContaining(reinterpret_cast<const void*>(&DefaultModuleInstance));
}
