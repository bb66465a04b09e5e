#pragma once
#include <cstdint>
#include <string>

// One section of the package's language file (language\setup_EN.ini or setup_CN.ini
// beside the program). Read returns the text of a key with its line-break markers
// \1, \2 and \3 expanded, in a result buffer that the calling thread's next Read
// overwrites. Each thread has its own buffer, so the install worker and the progress
// dialog's paint can read at the same time.
class LangText {
public:
    explicit LangText(const std::string& section);
    virtual ~LangText() = default;

    const char* Read(const std::string& key) const;

    const std::string& Path() const { return path_; }

    static constexpr std::size_t kBufferSize = 2048;

private:
    std::string path_;
    std::string section_;
    bool chineseFile_;
};

// The languages whose system default language id gives the Chinese interface:
// Taiwan, PRC, Hong Kong and Singapore.
bool IsChineseLanguageId(uint16_t languageId);
bool IsChineseSystem();

// Replaces the first occurrence of each marker \1, \2, \3 by CR LF. In GBK text a lead
// byte takes the next byte with it, so a trail byte 0x5C is never taken for a marker.
void ExpandLineBreaks(std::string& text, bool gbk);
