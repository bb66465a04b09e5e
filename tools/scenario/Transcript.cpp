#include "tools/scenario/Transcript.h"

#include <cstdio>

namespace {

void JsonString(std::ostream& out, const std::string& text) {
    out << '"';
    for (unsigned char c : text) {
        switch (c) {
        case '"': out << "\\\""; break;
        case '\\': out << "\\\\"; break;
        case '\n': out << "\\n"; break;
        case '\r': out << "\\r"; break;
        case '\t': out << "\\t"; break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
                out << escaped;
            } else {
                out << static_cast<char>(c);
            }
        }
    }
    out << '"';
}

void JsonValue(std::ostream& out, const TranscriptValue& v) {
    if (auto s = std::get_if<std::string>(&v.value)) JsonString(out, *s);
    else if (auto n = std::get_if<long long>(&v.value)) out << *n;
    else if (auto b = std::get_if<bool>(&v.value)) out << (*b ? "true" : "false");
    else {
        out << '[';
        const auto& list = std::get<std::vector<std::string>>(v.value);
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (i) out << ", ";
            JsonString(out, list[i]);
        }
        out << ']';
    }
}

// Texts keep their line breaks readable: CR LF shows as " / ".
std::string OneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            line += " / ";
            ++i;
        } else if (text[i] == '\n' || text[i] == '\r') {
            line += " / ";
        } else {
            line += text[i];
        }
    }
    return line;
}

void TextValue(std::ostream& out, const TranscriptValue& v) {
    if (auto s = std::get_if<std::string>(&v.value)) out << '"' << OneLine(*s) << '"';
    else if (auto n = std::get_if<long long>(&v.value)) out << *n;
    else if (auto b = std::get_if<bool>(&v.value)) out << (*b ? "yes" : "no");
    else {
        out << '[';
        const auto& list = std::get<std::vector<std::string>>(v.value);
        for (std::size_t i = 0; i < list.size(); ++i) out << (i ? ", " : "") << '"' << OneLine(list[i]) << '"';
        out << ']';
    }
}

}  // namespace

void Transcript::WriteText(std::ostream& out) const {
    for (const TranscriptEvent& e : events_) {
        out << e.kind;
        for (const auto& [name, value] : e.fields) {
            out << "  " << name << '=';
            TextValue(out, value);
        }
        out << '\n';
    }
}

void Transcript::WriteJson(std::ostream& out) const {
    out << "{\"events\": [\n";
    for (std::size_t i = 0; i < events_.size(); ++i) {
        const TranscriptEvent& e = events_[i];
        out << "  {\"event\": ";
        JsonString(out, e.kind);
        for (const auto& [name, value] : e.fields) {
            out << ", ";
            JsonString(out, name);
            out << ": ";
            JsonValue(out, value);
        }
        out << '}' << (i + 1 < events_.size() ? "," : "") << '\n';
    }
    out << "]}\n";
}
