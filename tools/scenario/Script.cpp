#include "tools/scenario/Script.h"

#include <map>
#include <sstream>

namespace {

bool SplitWords(const std::string& line, std::vector<std::string>& words) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            std::size_t close = line.find('"', i + 1);
            if (close == std::string::npos) return false;
            word = line.substr(i + 1, close - i - 1);
            i = close + 1;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
        }
        words.push_back(word);
    }
    return true;
}

// A comment runs from a '#' that starts the line's words, or that stands alone between
// blanks, to the end; "#3" names a list item.
std::size_t CommentStart(const std::string& line) {
    bool quoted = false;
    bool first = true;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') quoted = !quoted;
        bool blankBefore = i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t';
        bool blankAfter = i + 1 == line.size() || line[i + 1] == ' ' || line[i + 1] == '\t';
        if (!quoted && c == '#' && (first || (blankBefore && blankAfter))) return i;
        if (c != ' ' && c != '\t') first = false;
    }
    return line.size();
}

struct Arity {
    std::size_t least, most;
};

}  // namespace

bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string* error) {
    static const std::map<std::string, Arity> verbs = {
        {"click", {1, 1}}, {"choose", {2, 2}}, {"type", {2, 2}},   {"answer", {1, 1}},
        {"f1", {0, 1}},    {"sysmenu", {1, 1}}, {"state", {1, 99}}, {"expect-page", {1, 1}},
    };
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line.resize(CommentStart(line));
        std::vector<std::string> words;
        if (!SplitWords(line, words)) {
            if (error) *error = "line " + std::to_string(number) + ": a quote is not closed";
            return false;
        }
        if (words.empty()) continue;
        ScriptStep step{number, words[0], {words.begin() + 1, words.end()}};
        auto verb = verbs.find(step.verb);
        if (verb == verbs.end()) {
            if (error) *error = "line " + std::to_string(number) + ": unknown step '" + step.verb + "'";
            return false;
        }
        if (step.args.size() < verb->second.least || step.args.size() > verb->second.most) {
            if (error) *error = "line " + std::to_string(number) + ": wrong number of words for " + step.verb;
            return false;
        }
        steps.push_back(step);
    }
    return true;
}
