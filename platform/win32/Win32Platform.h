#pragma once
#include "platform/Platform.h"

namespace plat::win32 {

// The real Windows behind the seam. One instance, installed by the programs' entry points.
Platform& Win32Platform();

}  // namespace plat::win32
