// The curve window's title and the current curve file name. The window binds its title
// bar here; files, New and the save question read and set the name.
#pragma once

#include <string>

#include "curves/model/Kurvensitzung.h"

namespace curves {

// Stores the path as the current file name and updates the title: "Curve generator - "
// followed by the file-name part of the path, or "Curve generator" for an empty path.
// The path is kept whole, however long, so that saving goes back to the same file.
void Fenstertitel(Kurvensitzung& sitzung, const std::string& pfad);

// The path of the last saved or loaded curve file; empty when there is none.
const std::string& AktuellerDateiname(Kurvensitzung& sitzung);

// The title the window shows now.
std::string FenstertitelText(Kurvensitzung& sitzung);

}  // namespace curves
