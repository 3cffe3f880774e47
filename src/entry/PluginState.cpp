#include "entry/PluginState.h"

#include "platform/TModule.h"
#include "platform/TWindow.h"

TModule* PluginModule = nullptr;
InstanceHandle PluginInstance = nullptr;
WindowHandle ParentHandle = nullptr;
TWindow* ParentWindow = nullptr;

void ReleasePluginObjects() noexcept {
    delete ParentWindow;
    ParentWindow = nullptr;
    delete PluginModule;
    PluginModule = nullptr;
}
