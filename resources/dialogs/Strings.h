#pragma once
// The string table of drvsetup. Each text is kept in UTF-8 and, for the Chinese
// system code page, in GBK; the back ends hand out the form of the machine's code page.
#include <string>

#include "ui/Template.h"

struct StringResource {
    int id;
    const char* utf8;
    const char* gbk;
};

// nullptr for an unknown id.
const StringResource* FindStringResource(int id);

namespace ui {
// Templates added by tests and tools; they take precedence over the programs' own.
void RegisterDialogTemplate(const DialogTemplate& dialogTemplate);
void ClearRegisteredTemplates();
const DialogTemplate* FindExtraTemplate(int id);
}  // namespace ui
