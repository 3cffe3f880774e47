// The dialog data compiled into the Linux plug-in, which the headless window
// system shows in place of the Windows resources.

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "DialogResource.h"

namespace {

TEST(DialogResource, ParameterDialogHasItsControlsInTabOrder) {
    const DialogResource* dialog = FindDialogResource(2000);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->id, 2000);
    EXPECT_EQ(std::string(dialog->caption), "Vornix Primitive");
    EXPECT_EQ(std::string(dialog->face), "ＭＳ Ｐゴシック");
    EXPECT_EQ(dialog->width, 172);
    EXPECT_EQ(dialog->height, 188);

    std::vector<int> ids;
    for (const DialogControlResource& control : std::span(dialog->controls, dialog->controlCount))
        ids.push_back(control.id);
    EXPECT_EQ(ids, (std::vector<int>{102, 103, 104, 105, 111, 112, 113, 1,   2,   101, 106, 107,
                                     108, 109, 110, 114, 115, 116, 117, 118, 119, 120, 121, 122}));
}

TEST(DialogResource, ControlsCarryClassTextAndFullStyle) {
    const DialogResource* dialog = FindDialogResource(2000);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->controlCount, 24u);
    const DialogControlResource& ringSections = dialog->controls[2];
    EXPECT_EQ(std::string(ringSections.className), "EDIT");
    EXPECT_EQ(std::string(ringSections.text), "0");
    EXPECT_EQ(ringSections.style, 0x50812000u);  // child, visible, border, tab stop, digits only
    const DialogControlResource& cancel = dialog->controls[8];
    EXPECT_EQ(cancel.id, 2);
    EXPECT_EQ(std::string(cancel.className), "BUTTON");
    EXPECT_EQ(std::string(cancel.text), "ｷｬﾝｾﾙ");
    const DialogControlResource& frame = dialog->controls[18];
    EXPECT_EQ(std::string(frame.className), "STATIC");
    EXPECT_EQ(frame.style, 0x50000012u);
    EXPECT_EQ(frame.exStyle, 0u);
}

TEST(DialogResource, UnknownTemplateIsNotFound) {
    EXPECT_EQ(FindDialogResource(1), nullptr);
    EXPECT_EQ(FindDialogResource(0), nullptr);
    EXPECT_EQ(FindDialogResource(2001), nullptr);
}

}  // namespace
