// Everything the curve editor window calls to change the curve being edited. The window
// keeps gKurven.YRaster of the current curve equal to its Y grid field, reports its plot
// size in gZeichenflaeche, installs its dialogs with EditordialogeSetzen, and redraws after
// every operation that returns 1 (and after cut, paste, delete, undo and redo).
#pragma once

#include "curves/edit/BearbeitenGeraden.h"
#include "curves/edit/BearbeitenHilfen.h"
#include "curves/edit/BearbeitenMarkierung.h"
#include "curves/edit/BearbeitenPunkte.h"
#include "curves/edit/BearbeitenZyklen.h"
#include "curves/edit/Editordialoge.h"
#include "curves/edit/Markierung.h"
#include "curves/model/Rueckgaengig.h"
