// A module of the process (a program or library) and its resources.
#pragma once

#include <string>

#include "platform/PlatformHandles.h"

class TModule {
public:
    TModule(const char* name, InstanceHandle instance) : name_(name), instance_(instance) {}
    virtual ~TModule() = default;
    TModule(const TModule&) = delete;
    TModule& operator=(const TModule&) = delete;

    const std::string& GetName() const { return name_; }
    // The handle through which the window system finds the module's
    // resources (dialog templates).
    InstanceHandle GetInstance() const { return instance_; }

private:
    std::string name_;
    InstanceHandle instance_;
};

// The instance whose resources serve a window made without a module object:
// the module that contains this class library, that is the plug-in library
// itself. A later run in the same load so still finds the plug-in's dialog.
InstanceHandle DefaultModuleInstance();

// `module`'s instance, or the default one when there is no module object.
inline InstanceHandle ResourceInstance(const TModule* module) {
    return module != nullptr ? module->GetInstance() : DefaultModuleInstance();
}
