// The user at the plug-in's headless dialog, as the benchmarks and their
// test play it: enters the same number of ring and tube sections and
// presses OK, leaving every other field as the dialog fills it.
#pragma once

#include <string>
#include <utility>

#include "platform/headless/HeadlessAutomation.h"

class SectionsUser : public HeadlessDialogAgent {
public:
    static constexpr int kRingSectionsField = 104;
    static constexpr int kTubeSectionsField = 105;
    static constexpr int kOkButton = 1;

    explicit SectionsUser(int sections) : sections_(std::to_string(sections)) {}

    void Attend(HeadlessDialog& dialog) override {
        dialog.PasteText(kRingSectionsField, sections_);
        dialog.PasteText(kTubeSectionsField, sections_);
        dialog.PressButton(kOkButton);
    }

private:
    std::string sections_;
};
