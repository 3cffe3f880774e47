#include "platform/TEdit.h"

#include <algorithm>
#include <string>

#include "platform/TXPlatform.h"
#include "platform/WindowSystem.h"

std::size_t TEdit::Transfer(void* field, TransferDirection direction) {
    if (!transferEnabled_ || textLimit_ == 0) return 0;
    auto* text = static_cast<char*>(field);
    if (GetHandle() != nullptr) {
        if (direction == TransferDirection::SetData)
            SetControlText(GetHandle(), text,
                           static_cast<std::size_t>(std::find(text, text + textLimit_, '\0') - text));
        else
            GetControlText(GetHandle(), text, textLimit_);
    }
    return textLimit_;
}

void TEdit::BindInDialog(WindowHandle dialog) {
    if (dialog == nullptr) return Bind(nullptr);
    const WindowHandle control = DialogControl(dialog, controlId_);
    if (control == nullptr) throw TXPlatform("dialog has no control " + std::to_string(controlId_));
    Bind(control);
    if (textLimit_ > 0) LimitControlText(control, textLimit_ - 1);
}
