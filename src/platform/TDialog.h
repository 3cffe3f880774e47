// A modal dialog made from a dialog template in a module's resources, with
// a transfer record that its transfer-enabled child objects exchange with
// their controls.
#pragma once

#include "platform/TWindow.h"
#include "platform/WindowSystem.h"

class TDialog : public TWindow, private DialogEvents {
public:
    // Template `templateId` of `module`, or of the default module when
    // `module` is null; a child object of `parent` when there is one.
    TDialog(TWindow* parent, int templateId, TModule* module = nullptr);

    // The record the children's transfers read and fill, in their creation
    // order; none when null.
    void SetTransferBuffer(void* record) { transferBuffer_ = record; }

    // Runs the dialog modally and returns its result: 1 after OK, 2 after
    // Cancel. At set-up the children are bound to their controls and the
    // record is transferred in. Throws TXPlatform when the dialog cannot be
    // created (no such template in the module).
    int Execute();

    void TransferData(TransferDirection direction);

private:
    void SetUpDialog(WindowHandle dialog) override;
    void DialogCommand(WindowHandle dialog, int controlId) override;
    void Unbind();

    int templateId_;
    void* transferBuffer_ = nullptr;
};
