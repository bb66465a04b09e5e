#include "installer/app/ProcessObjects.h"

#include "installer/app/LangText.h"
#include "installer/pages/CEditEx.h"

OsPage* currentOsPage = nullptr;

std::string MessageText(const std::string& key) { return LangText("Message").Read(key); }

ui::Font& SharedChineseFont() {
    static ui::Font font;
    return font;
}

CEditEx& LicenceTextControl() {
    static CEditEx control;
    return control;
}

ui::FontSpec ChineseFontSpec() {
    ui::FontSpec fontSpec;
    fontSpec.height = 13;
    fontSpec.width = 0;
    fontSpec.weight = ui::kWeightNormal;
    fontSpec.charSet = ui::kGb2312CharSet;
    fontSpec.pitchAndFamily = ui::kFamilySwiss;
    fontSpec.face = "\xCB\xCE\xCC\xE5";  // 宋体
    return fontSpec;
}
