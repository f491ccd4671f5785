// The toolbar images. They are built into the program (Knopfbilder.qrc), so the toolbar
// looks the same wherever the program is installed and whatever folder it starts in.
#pragma once

#include <QIcon>
#include <QString>

namespace ui {

// The image "buttons/<name>.bmp" (name without extension, as "new" or "zoomplus"); an
// empty icon when there is no such image, and the button then shows its text.
QIcon Knopfbild(const QString& name);

}  // namespace ui
