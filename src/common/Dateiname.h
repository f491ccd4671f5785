// The file-name part of a path, as window titles and save questions show it.
#pragma once

#include <string>

namespace common {

// The name and extension of a path, without its folders ("a/b/k.wur" -> "k.wur").
std::string DateinamenTeil(const std::string& pfad);

}  // namespace common
