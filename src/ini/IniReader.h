// Reading a settings file into a store.
#pragma once

#include "ini/IniModel.h"

namespace ini {

// Adds the file's sections to store; 0 or a negative code.
int ReadIniFile(IniStore& store, const char* path);

}  // namespace ini
