// Everything the curve editor window calls to change the curve being edited. The window
// keeps gKurven.YRaster of the current curve equal to its Y grid field, reports its plot
// size in gZeichenflaeche, installs its dialogs with setEditordialoge, and redraws after
// every operation that returns 1 (and after cut, paste, delete, undo and redo).
#pragma once

#include "curves/BearbeitenGeraden.h"
#include "curves/BearbeitenHilfen.h"
#include "curves/BearbeitenMarkierung.h"
#include "curves/BearbeitenPunkte.h"
#include "curves/BearbeitenZyklen.h"
#include "curves/Editordialoge.h"
#include "curves/Markierung.h"
#include "curves/Rueckgaengig.h"
