#include "installer/app/AboutDialog.h"

#include "installer/app/LangText.h"
#include "installer/app/ProcessObjects.h"

bool AboutDialog::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    if (IsChineseSystem() && font_.Create(ChineseFontSpec())) ApplyFontToAll(font_);
    LangText about("About");
    SetItemText(kVersion, about.Read("Version"));
    SetItemText(kCopyright, about.Read("Copyright"));
    SetItemText(ui::kIdOk, about.Read("OK"));
    SetTitle(about.Read("Caption"));
    return true;
}
