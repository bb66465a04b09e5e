#include "installer/app/LangText.h"

#include <array>
#include <cstring>

#include "installer/config/SetupIni.h"
#include "platform/Platform.h"

bool IsChineseLanguageId(uint16_t languageId) {
    return languageId == 1028 || languageId == 2052 || languageId == 3076 || languageId == 4100;
}

bool IsChineseSystem() { return IsChineseLanguageId(plat::os().System().SystemDefaultLangId()); }

namespace {

std::size_t FindMarker(const std::string& text, char digit, bool gbk) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (gbk && c >= 0x81 && c <= 0xFE) {
            ++i;  // the trail byte belongs to this character
            continue;
        }
        if (c == '\\' && text[i + 1] == digit) return i;
    }
    return std::string::npos;
}

}  // namespace

void ExpandLineBreaks(std::string& text, bool gbk) {
    for (char digit : {'1', '2', '3'}) {
        std::size_t at = FindMarker(text, digit, gbk);
        if (at == std::string::npos) continue;
        text[at] = '\r';
        text[at + 1] = '\n';
    }
}

LangText::LangText(const std::string& section)
    : section_(section), chineseFile_(IsChineseSystem()) {
    path_ = ProgramFolder() + (chineseFile_ ? "\\language\\setup_CN.ini" : "\\language\\setup_EN.ini");
}

const char* LangText::Read(const std::string& key) const {
    thread_local std::array<char, kBufferSize> result;
    std::string text = plat::os().Profiles().ReadString(section_, key, "", kBufferSize, path_);
    ExpandLineBreaks(text, chineseFile_);
    std::memcpy(result.data(), text.data(), text.size());
    result[text.size()] = '\0';
    return result.data();
}
