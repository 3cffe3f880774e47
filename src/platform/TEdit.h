// An edit control of a dialog, bound to the control of its id in the
// dialog's template.
#pragma once

#include <cstddef>

#include "platform/TWindow.h"

class TEdit : public TWindow {
public:
    // Typing stops at `textLimit` − 1 characters; in the transfer the object
    // exchanges `textLimit` bytes: at most `textLimit` − 1 characters and a
    // terminating zero.
    TEdit(TWindow* parent, int controlId, std::size_t textLimit, TModule* module = nullptr)
        : TWindow(parent, module), controlId_(controlId), textLimit_(textLimit) {}

    void EnableTransfer() { transferEnabled_ = true; }

    std::size_t Transfer(void* field, TransferDirection direction) override;
    void BindInDialog(WindowHandle dialog) override;

private:
    int controlId_;
    std::size_t textLimit_;
    bool transferEnabled_ = false;
};
