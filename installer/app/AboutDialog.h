#pragma once
// The About box of the wizard's system menu.
#include "ui/Dialog.h"
#include "ui/Font.h"

class AboutDialog : public ui::Dialog {
public:
    static constexpr int kTemplate = 100;
    static constexpr int kVersion = 1091;
    static constexpr int kCopyright = 1092;

    AboutDialog() : ui::Dialog(kTemplate) {}

    bool OnInitDialog() override;

private:
    ui::Font font_;
};
