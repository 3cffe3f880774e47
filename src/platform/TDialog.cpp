#include "platform/TDialog.h"

#include <string>

#include "platform/TModule.h"
#include "platform/TXPlatform.h"

TDialog::TDialog(TWindow* parent, int templateId, TModule* module)
    : TWindow(parent, module), templateId_(templateId) {}

int TDialog::Execute() {
    const WindowHandle owner = GetParent() != nullptr ? GetParent()->GetHandle() : nullptr;
    // The window goes when the run ends, however it ends; so do the bindings.
    struct Unbinding {
        TDialog& dialog;
        ~Unbinding() { dialog.Unbind(); }
    } unbinding{*this};
    const int result = RunModalDialog(ResourceInstance(GetModule()), templateId_, owner, *this);
    if (result == kModalDialogFailed)
        throw TXPlatform("cannot create dialog " + std::to_string(templateId_));
    return result;
}

void TDialog::TransferData(TransferDirection direction) {
    if (transferBuffer_ == nullptr) return;
    auto* field = static_cast<char*>(transferBuffer_);
    for (TWindow* child = FirstChild(); child != nullptr; child = child->NextSibling())
        field += child->Transfer(field, direction);
}

void TDialog::SetUpDialog(WindowHandle dialog) {
    Bind(dialog);
    for (TWindow* child = FirstChild(); child != nullptr; child = child->NextSibling()) child->BindInDialog(dialog);
    TransferData(TransferDirection::SetData);
}

void TDialog::DialogCommand(WindowHandle dialog, int controlId) {
    if (controlId == kOkCommand) {
        TransferData(TransferDirection::GetData);
        EndModalDialog(dialog, kOkCommand);
    } else if (controlId == kCancelCommand) {
        EndModalDialog(dialog, kCancelCommand);
    }
}

void TDialog::Unbind() {
    for (TWindow* child = FirstChild(); child != nullptr; child = child->NextSibling()) child->BindInDialog(nullptr);
    Bind(nullptr);
}
