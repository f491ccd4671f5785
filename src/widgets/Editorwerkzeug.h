// The tools both editors' edit menus begin with, in menu order; the drag tools (select,
// draw, move) come first, the ones Escape takes back. The characteristic editor has just
// these; the curve editor numbers its own tools on after them.
#pragma once

namespace widgets {

enum class Editorwerkzeug {
  Keins = -1,
  Markieren = 0,
  Zeichnen,
  Verschieben,
  Punktdialog,
  Koordinaten,
  PunktLoeschen,
  Teilen
};

// How many there are: the curve editor's first own tool has this number.
inline constexpr int kEditorwerkzeuge = 7;

}  // namespace widgets
