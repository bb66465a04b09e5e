#include "installer/engine/ErrorText.h"

#include "installer/app/LangText.h"
#include "platform/Platform.h"

ErrorText errorText;

void ErrorText::SetMessage(const std::string& key) { text_ = LangText("Message").Read(key); }

void ErrorText::AppendMessage(const std::string& key) { text_ += LangText("Message").Read(key); }

bool ErrorText::AppendSystemMessage(uint32_t code) {
    std::string message;
    if (!SystemMessageFor(code, message)) return false;
    text_ += "\n";
    text_ += message;
    return true;
}

bool SystemMessageFor(uint32_t code, std::string& text) {
    return plat::os().Messages().SystemMessageText(code, text);
}
