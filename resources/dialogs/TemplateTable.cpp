// The lookup over every dialog template and string resource linked into a program.
#include <vector>

#include "resources/dialogs/Strings.h"
#include "ui/Template.h"

const std::vector<ui::DialogTemplate>& InstallerDialogTemplates();

namespace ui {

const ControlTemplate* DialogTemplate::Find(int controlId) const {
    for (const ControlTemplate& c : controls) {
        if (c.id == controlId) return &c;
    }
    return nullptr;
}

const DialogTemplate* FindDialogTemplate(int id) {
    if (const DialogTemplate* extra = FindExtraTemplate(id)) return extra;
    for (const DialogTemplate& t : InstallerDialogTemplates()) {
        if (t.id == id) return &t;
    }
    return nullptr;
}

}  // namespace ui
