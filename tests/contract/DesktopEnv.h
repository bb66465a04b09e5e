#pragma once
// Windows of another program, for the desktop contract cases: each back end opens a
// top-level window of its own kind (a real one on Windows).
#include <string>

#include "platform/Desktop.h"

namespace contract {

plat::WindowRef OpenForeignWindow(const std::string& title);
void CloseForeignWindow(plat::WindowRef window);

}  // namespace contract
