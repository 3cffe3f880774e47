// A dialog of the headless window system: the controls of its template,
// with their texts and typing rules, and the user's actions on them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"
#include "platform/headless/HeadlessAutomation.h"
#include "DialogResource.h"

struct ModelledControl {
    int id;
    std::string className;
    std::uint32_t style;
    std::string text;
    std::size_t textLimit;  // characters that typing may reach
};

class ModelledDialog final : public HeadlessDialog {
public:
    ModelledDialog(const DialogResource& resource, DialogEvents& events);

    WindowHandle Handle() { return reinterpret_cast<WindowHandle>(this); }
    static ModelledDialog& FromHandle(WindowHandle dialog) { return *reinterpret_cast<ModelledDialog*>(dialog); }
    static ModelledControl& ControlFromHandle(WindowHandle control) {
        return *reinterpret_cast<ModelledControl*>(control);
    }
    // The control's handle, or null.
    WindowHandle ControlHandle(int controlId);

    bool Ended() const { return ended_; }
    int Result() const { return result_; }

    int TemplateId() const override { return templateId_; }
    std::string Caption() const override { return caption_; }
    std::vector<int> ControlIds() const override;
    std::string ClassName(int controlId) const override;
    std::uint32_t Style(int controlId) const override;
    std::string Text(int controlId) const override;
    void PasteText(int controlId, std::string_view text) override;
    void ClearText(int controlId) override;
    bool TypeCharacter(int controlId, char character) override;
    void PressButton(int controlId) override;
    void End(int result) override;

private:
    const ModelledControl* Find(int controlId) const;
    ModelledControl* Find(int controlId);
    // The edit control the user can change now, or null.
    ModelledControl* Editable(int controlId);

    int templateId_;
    std::string caption_;
    std::vector<ModelledControl> controls_;  // never resized: handles point into it
    DialogEvents& events_;
    bool ended_ = false;
    int result_ = 0;
};
