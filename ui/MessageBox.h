#pragma once
// Standard message boxes.
#include <string>

#include "ui/Types.h"

namespace ui {

class Dialog;

// Shows a message box and returns the button pressed (kIdOk, kIdYes ...). The owner is
// disabled while it shows; nullptr means the main window (ui::MainWindow) when there is
// one, else a box of its own before any window exists.
int ShowMessage(Dialog* owner, const std::string& text, const std::string& title,
                unsigned style = kMbOk);

// The application's box, as the class library shows it: the program name (its file
// name without the extension) as the title.
int ShowAppMessage(const std::string& text, unsigned style = kMbOk);
std::string ApplicationName();

}  // namespace ui
