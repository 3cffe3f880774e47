#include "platform/headless/ModelledDialog.h"

#include "WindowStyles.h"

namespace {
// An edit control's text limit until the dialog sets one, as on Windows.
constexpr std::size_t kDefaultEditLimit = 32767;
constexpr std::uint32_t kButtonTypeMask = 0x000F;
}  // namespace

ModelledDialog::ModelledDialog(const DialogResource& resource, DialogEvents& events)
    : templateId_(resource.id), caption_(resource.caption), events_(events) {
    controls_.reserve(resource.controlCount);
    for (std::size_t i = 0; i < resource.controlCount; ++i) {
        const DialogControlResource& control = resource.controls[i];
        controls_.push_back({control.id, control.className, control.style, control.text, kDefaultEditLimit});
    }
}

WindowHandle ModelledDialog::ControlHandle(int controlId) {
    return reinterpret_cast<WindowHandle>(Find(controlId));
}

std::vector<int> ModelledDialog::ControlIds() const {
    std::vector<int> ids;
    for (const ModelledControl& control : controls_) ids.push_back(control.id);
    return ids;
}

std::string ModelledDialog::ClassName(int controlId) const {
    const ModelledControl* control = Find(controlId);
    return control != nullptr ? control->className : std::string();
}

std::uint32_t ModelledDialog::Style(int controlId) const {
    const ModelledControl* control = Find(controlId);
    return control != nullptr ? control->style : 0;
}

std::string ModelledDialog::Text(int controlId) const {
    const ModelledControl* control = Find(controlId);
    return control != nullptr ? control->text : std::string();
}

void ModelledDialog::PasteText(int controlId, std::string_view text) {
    if (ModelledControl* control = Editable(controlId)) control->text.assign(text);
}

void ModelledDialog::ClearText(int controlId) {
    if (ModelledControl* control = Editable(controlId)) control->text.clear();
}

bool ModelledDialog::TypeCharacter(int controlId, char character) {
    ModelledControl* control = Editable(controlId);
    if (control == nullptr || control->text.size() >= control->textLimit) return false;
    if ((control->style & ES_NUMBER) != 0 && !(character >= '0' && character <= '9')) return false;
    control->text.push_back(character);
    return true;
}

void ModelledDialog::PressButton(int controlId) {
    const ModelledControl* control = Find(controlId);
    if (ended_ || control == nullptr || control->className != "BUTTON") return;
    const std::uint32_t type = control->style & kButtonTypeMask;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) events_.DialogCommand(Handle(), controlId);
}

void ModelledDialog::End(int result) {
    if (ended_) return;
    ended_ = true;
    result_ = result;
}

const ModelledControl* ModelledDialog::Find(int controlId) const {
    for (const ModelledControl& control : controls_)
        if (control.id == controlId) return &control;
    return nullptr;
}

ModelledControl* ModelledDialog::Find(int controlId) {
    return const_cast<ModelledControl*>(static_cast<const ModelledDialog*>(this)->Find(controlId));
}

ModelledControl* ModelledDialog::Editable(int controlId) {
    ModelledControl* control = Find(controlId);
    return !ended_ && control != nullptr && control->className == "EDIT" ? control : nullptr;
}
