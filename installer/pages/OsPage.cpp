#include "installer/pages/OsPage.h"

#include "installer/app/LangText.h"
#include "installer/app/OsCodes.h"
#include "installer/app/ProcessObjects.h"
#include "installer/config/SetupIni.h"
#include "installer/pages/OsPageRules.h"
#include "installer/pages/PageFont.h"
#include "platform/Platform.h"
#include "ui/MessageBox.h"

bool OsPage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    currentOsPage = this;
    ApplyChineseFont(*this, chinese);

    osCode = 0;
    OsPageMatch match = MatchOsPage(plat::os().System().GetVersion(), NativeArchitecture());
    if (!match.knownPlatform) {
        ui::ShowAppMessage(MessageText("IDS_ERR_SYSTEM"));
    } else if (match.matched) {
        CheckRadioButton(match.rangeFirst, match.rangeLast, match.radioId);
        osCode = match.code;
    }
    for (int code = 0; code < 9; ++code) EnableItem(kOsRadioIds[code], code == osCode);
    // Windows 8 shows as itself but reads as Windows 7 everywhere else.
    if (osCode > 7) osCode = 7;
    if (is64BitWindows) ShowItem(kWindows2000, false);
    return true;
}

void OsPage::OnShowWindow(bool) { SetItemText(kGroup, LangText("System").Read("Select")); }
