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
    ui::FontSpec spec;
    spec.height = 13;
    spec.width = 0;
    spec.weight = ui::kWeightNormal;
    spec.charSet = ui::kGb2312CharSet;
    spec.pitchAndFamily = ui::kFamilySwiss;
    spec.face = "\xCB\xCE\xCC\xE5";  // 宋体
    return spec;
}
