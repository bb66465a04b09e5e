#pragma once
// The engine's shared error text. Empty means nothing has failed yet; a failing step
// writes its message here (a "Message" text of the language file, often followed by a
// line feed and the system's text for the Windows error). The install never clears it.
// It grows as needed, so no message, path or system text is ever cut or overrun.
#include <cstdint>
#include <string>

class ErrorText {
public:
    bool Empty() const { return text_.empty(); }
    const std::string& Text() const { return text_; }
    const char* c_str() const { return text_.c_str(); }

    void Set(const std::string& text) { text_ = text; }
    void Append(const std::string& text) { text_ += text; }
    // Only for a fresh start (tests, a new run of the engine check).
    void Clear() { text_.clear(); }

    // The text becomes the language text Message/key.
    void SetMessage(const std::string& key);
    // Appends the language text Message/key.
    void AppendMessage(const std::string& key);
    // Appends a line feed and the system's text for code; appends nothing and returns
    // false when the system has no text for it.
    bool AppendSystemMessage(uint32_t code);

private:
    std::string text_;
};

extern ErrorText errorText;

// The system's text for a Windows error code; false when there is none.
bool SystemMessageFor(uint32_t code, std::string& text);
