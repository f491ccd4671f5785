// Writing a store to a settings file, replacing the previous file in one step.
#pragma once

#include "ini/IniModel.h"

namespace ini {

// 0 or a negative code. On failure the previous file is untouched and no temporary file is
// left behind.
int WriteIniFile(const IniStore& store, const char* path);

}  // namespace ini
