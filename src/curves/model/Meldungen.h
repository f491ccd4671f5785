// How the editing operations refuse: a message box with one OK button.
#pragma once

#include <string>

namespace curves {

void Fehlermeldung(const std::string& text, const std::string& titel = "Error");

}  // namespace curves
