// The curve window's title and the current curve file name. The window binds its title
// bar here; files, New and the save question read and set the name.
#pragma once

#include <functional>
#include <string>

namespace curves {

// Stores the path as the current file name and updates the title: "Curve generator - "
// followed by the file-name part of the path, or "Curve generator" for an empty path.
// The path is kept whole, however long, so that saving goes back to the same file.
void Fenstertitel(const std::string& pfad);

// The path of the last saved or loaded curve file; empty when there is none.
const std::string& AktuellerDateiname();

// The title the window shows now.
std::string FenstertitelText();

// The window binds its title bar here: the function is called at once with the present
// title and again after every Fenstertitel call. An empty function unbinds.
void FenstertitelBinden(std::function<void(const std::string& titel)> anzeige);

}  // namespace curves
