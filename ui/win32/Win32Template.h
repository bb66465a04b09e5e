#pragma once
// Our dialog templates as the in-memory DLGTEMPLATE the dialog manager takes.
#include <windows.h>

#include <vector>

#include "ui/Template.h"

namespace ui::win32 {

// The template words, DWORD aligned as DialogBoxIndirectParam wants them.
std::vector<WORD> BuildDialogTemplate(const DialogTemplate& dialogTemplate);
DWORD ControlStyle(const ControlTemplate& control);
DWORD DialogWindowStyle(const DialogTemplate& dialogTemplate);

}  // namespace ui::win32
