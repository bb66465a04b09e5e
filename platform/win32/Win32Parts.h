#pragma once
// Services of the win32 back end that live in their own files; Win32Platform hands
// them out.
#include "platform/Files.h"
#include "platform/MessageTable.h"

namespace plat::win32 {

MessageTable& Win32MessageTable();
Files& Win32FileSystem();

}  // namespace plat::win32
