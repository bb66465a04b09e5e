#pragma once
// A scenario script: one step a line, '#' starts a comment. docs/scenario.md lists the
// steps.
#include <string>
#include <vector>

struct ScriptStep {
    int line = 0;
    std::string verb;               // click, choose, type, answer, f1, sysmenu, state, expect-page
    std::vector<std::string> args;  // the rest of the line, split at blanks; a quoted text is one
};

// Parses a whole script; on a fault returns false and says where in *error.
bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string* error);
