// The characteristic window's title and the current characteristic file name.
#pragma once

#include <string>

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

// Stores the path as the current file name and sets the title: "Characteristic controller
// - " with the file-name part of the path, or "Characteristic controller" for "".
void KennlFenstertitel(Kennliniensitzung& sitzung, const std::string& pfad);
const std::string& KennlDateiname(Kennliniensitzung& sitzung);
std::string KennlFenstertitelText(Kennliniensitzung& sitzung);

}  // namespace characteristic
