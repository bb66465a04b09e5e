#pragma once
// The installer's process-wide objects, made before start-up runs and kept until the
// process ends: the "Message" text store, the shared Chinese font the wizard makes,
// the licence text control and the page that detected the Windows version.
#include <string>

#include "ui/Font.h"

class CEditEx;
class OsPage;

// A text of section "Message", read now: the machine (and its language) may change
// between runs in one test process, so no path is kept.
std::string MessageText(const std::string& key);
// Empty until the wizard creates the Chinese font in it; the wizard deletes it again.
ui::Font& SharedChineseFont();
CEditEx& LicenceTextControl();

// The OS page publishes itself here when it initialises; the port list reads osCode
// through it.
extern OsPage* currentOsPage;

// The Chinese dialog font: 13 pixels, "宋体" (GBK), GB2312, FF_SWISS.
ui::FontSpec ChineseFontSpec();
