#include "DialogResource.h"

#include <iterator>

#include "WindowStyles.h"
#include "ParameterDialogTable.h"

namespace {

#define VORNIX_DATA_CONTROL(id, className, text, style, x, y, width, height) \
    DialogControlResource{id, #className, text, style, 0, x, y, width, height},

constexpr DialogControlResource kParameterDialogControls[] = {
    VORNIX_PARAMETER_DIALOG_CONTROLS(VORNIX_DATA_CONTROL)
};

#undef VORNIX_DATA_CONTROL

constexpr DialogResource kParameterDialog = {
    VORNIX_PARAMETER_DIALOG_ID,
    VORNIX_PARAMETER_DIALOG_STYLE,
    VORNIX_PARAMETER_DIALOG_EXSTYLE,
    VORNIX_PARAMETER_DIALOG_X,
    VORNIX_PARAMETER_DIALOG_Y,
    VORNIX_PARAMETER_DIALOG_WIDTH,
    VORNIX_PARAMETER_DIALOG_HEIGHT,
    VORNIX_PARAMETER_DIALOG_CAPTION,
    VORNIX_PARAMETER_DIALOG_FONT_SIZE,
    VORNIX_PARAMETER_DIALOG_FONT_WEIGHT,
    VORNIX_PARAMETER_DIALOG_FONT_ITALIC != 0,
    VORNIX_PARAMETER_DIALOG_FONT_CHARSET,
    VORNIX_PARAMETER_DIALOG_FONT_FACE,
    kParameterDialogControls,
    std::size(kParameterDialogControls),
};

}  // namespace

const DialogResource* FindDialogResource(int templateId) {
    return templateId == kParameterDialog.id ? &kParameterDialog : nullptr;
}
