// The headless window system: modal dialogs modelled from the templates the
// modules registered, attended by the agent that plays the user.
#include <dlfcn.h>

#include "platform/WindowSystem.h"
#include "platform/headless/HeadlessAutomation.h"
#include "platform/headless/HeadlessServiceRecord.h"
#include "platform/headless/ModelledDialog.h"
#include "platform/headless/ModuleResources.h"

namespace {
HeadlessDialogAgent* dialogAgent = nullptr;
}  // namespace

void SetHeadlessDialogAgent(HeadlessDialogAgent* agent) { dialogAgent = agent; }

int RunModalDialog(InstanceHandle module, int templateId, WindowHandle /*owner*/, DialogEvents& events) {
    const DialogResource* resource = FindModuleDialog(module, templateId);
    if (resource == nullptr) return kModalDialogFailed;
    ModelledDialog dialog(*resource, events);
    events.SetUpDialog(dialog.Handle());
    if (dialog.Ended()) return dialog.Result();
    RecordDialogShown();
    if (dialogAgent != nullptr) dialogAgent->Attend(dialog);
    // Nobody ended it: the user walked away, as good as Cancel.
    dialog.End(kCancelCommand);
    return dialog.Result();
}

void EndModalDialog(WindowHandle dialog, int result) { ModelledDialog::FromHandle(dialog).End(result); }

WindowHandle DialogControl(WindowHandle dialog, int controlId) {
    return ModelledDialog::FromHandle(dialog).ControlHandle(controlId);
}

void LimitControlText(WindowHandle control, std::size_t characters) {
    ModelledDialog::ControlFromHandle(control).textLimit = characters;
}

void SetControlText(WindowHandle control, const char* text, std::size_t length) {
    ModelledDialog::ControlFromHandle(control).text.assign(text, length);
}

void GetControlText(WindowHandle control, char* buffer, std::size_t size) {
    const std::string& text = ModelledDialog::ControlFromHandle(control).text;
    const std::size_t length = text.copy(buffer, size - 1);
    buffer[length] = '\0';
}

InstanceHandle ModuleContaining(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0) return nullptr;
    return static_cast<InstanceHandle>(info.dli_fbase);
}
