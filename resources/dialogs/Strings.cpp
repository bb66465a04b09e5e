#include "resources/dialogs/Strings.h"

#include <deque>

namespace {

// The tooltip of the raster check box on the port page: Press "F1" for help.
const StringResource kStrings[] = {
    {134, "\xE6\x8C\x89\xE2\x80\x9C" "F1" "\xE2\x80\x9D\xE6\x9F\xA5\xE7\x9C\x8B\xE5\xB8\xAE\xE5\x8A\xA9",
     "\xB0\xB4\xA1\xB0" "F1" "\xA1\xB1\xB2\xE9\xBF\xB4\xB0\xEF\xD6\xFA"},
};

std::deque<ui::DialogTemplate>& Extra() {
    static std::deque<ui::DialogTemplate> extra;
    return extra;
}

}  // namespace

const StringResource* FindStringResource(int id) {
    for (const StringResource& s : kStrings) {
        if (s.id == id) return &s;
    }
    return nullptr;
}

namespace ui {

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate) {
    for (DialogTemplate& t : Extra()) {
        if (t.id == dialogTemplate.id) {
            t = dialogTemplate;
            return;
        }
    }
    Extra().push_back(dialogTemplate);
}

void ClearRegisteredTemplates() { Extra().clear(); }

const DialogTemplate* FindExtraTemplate(int id) {
    for (const DialogTemplate& t : Extra()) {
        if (t.id == id) return &t;
    }
    return nullptr;
}

}  // namespace ui
