#include "dialog/ParameterDialog.h"

#include <memory>

#include "ParameterDialogTable.h"
#include "params/GenerationParameters.h"
#include "platform/DialogResults.h"
#include "platform/TDialog.h"
#include "platform/TEdit.h"

int RunParameterDialog(TWindow* parent, TModule* module) {
    auto* dialog = new TDialog(parent, VORNIX_PARAMETER_DIALOG_ID, module);
    // Nothing else would delete a dialog that has no parent object.
    const std::unique_ptr<TDialog> orphan(parent == nullptr ? dialog : nullptr);
    dialog->SetTransferBuffer(&ParameterTexts);
    // The transfer walks the edits in creation order: the record's order.
    for (const int controlId : kParameterEditIds)
        (new TEdit(dialog, controlId, kParameterTextSize))->EnableTransfer();

    LoadDefaultParameters();
    FormatParameterTexts();
    const int result = dialog->Execute();
    if (result == kCancelCommand) return result;
    ParseParameterTexts();
    return result;
}
