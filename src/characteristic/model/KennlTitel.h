// The characteristic window's title and the current characteristic file name.
#pragma once

#include <functional>
#include <string>

namespace characteristic {

// Stores the path as the current file name and sets the title: "Characteristic controller
// - " with the file-name part of the path, or "Characteristic controller" for "".
void KennlFenstertitel(const std::string& pfad);
const std::string& KennlDateiname();
std::string KennlFenstertitelText();
// The window binds its title bar here: called at once and after every change.
void KennlFenstertitelBinden(std::function<void(const std::string& titel)> anzeige);

}  // namespace characteristic
