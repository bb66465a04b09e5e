#pragma once
// Each page and the wizard draw in the shared Chinese font when the interface is Chinese.
#include "installer/app/ProcessObjects.h"
#include "ui/Dialog.h"

inline void ApplyChineseFont(ui::Dialog& dialog, int chinese) {
    if (chinese == 1) dialog.ApplyFontToAll(SharedChineseFont());
}
