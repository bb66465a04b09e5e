#pragma once
// What a scenario run saw, in order: pages shown, message boxes, launches, windows
// brought to the front, control states asked for, and how the program ended. Printed as
// readable lines and written as JSON (docs/scenario.md).
#include <ostream>
#include <string>
#include <variant>
#include <vector>

struct TranscriptValue {
    std::variant<std::string, long long, bool, std::vector<std::string>> value;
    TranscriptValue(std::string s) : value(std::move(s)) {}
    TranscriptValue(const char* s) : value(std::string(s)) {}
    TranscriptValue(long long n) : value(n) {}
    TranscriptValue(int n) : value(static_cast<long long>(n)) {}
    TranscriptValue(bool b) : value(b) {}
    TranscriptValue(std::vector<std::string> list) : value(std::move(list)) {}
};

struct TranscriptEvent {
    std::string kind;  // start, page, message, launch, front, dialog, state, error, end
    std::vector<std::pair<std::string, TranscriptValue>> fields;

    TranscriptEvent& Add(const std::string& name, TranscriptValue value) {
        fields.emplace_back(name, std::move(value));
        return *this;
    }
};

class Transcript {
public:
    TranscriptEvent& Add(const std::string& kind) {
        events_.push_back({kind, {}});
        return events_.back();
    }
    const std::vector<TranscriptEvent>& Events() const { return events_; }

    void WriteText(std::ostream& out) const;
    void WriteJson(std::ostream& out) const;

private:
    std::vector<TranscriptEvent> events_;
};
