// The plug-in library, loaded by path the way the modeler loads it, and its
// exported entry `_Xmodeler`, found by name.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "host/ModelerContext.h"

class PluginLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PluginLibrary {
public:
    // Loads the library and finds `_Xmodeler`; throws PluginLoadError.
    explicit PluginLibrary(const std::string& path);
    // Unloads the library (the plug-in sees its detach).
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // One invocation: the host window, an ignored value and the record. The
    // plug-in answers with one byte; the host reads that byte alone.
    bool Run(void* window, ModelerContext* context);

private:
    // cdecl on 32-bit Windows; the result is one byte, true when non-zero.
    using XmodelerEntry = std::uint8_t(VORNIX_CDECL*)(void* window, std::int32_t ignored, ModelerContext* context);
    void* library_ = nullptr;
    XmodelerEntry entry_ = nullptr;
};

// The plug-in built beside this program: vornix.so or vornix.dll.
std::string DefaultPluginPath();
