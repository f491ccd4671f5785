// The grids of the characteristic editor (Y in the first output's unit, X in the second
// input's unit, both from the window's fields) and the point nearest to the mouse.
#pragma once

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

// y snapped to the Y grid, limited to 0..4095 and rounded.
int KennlYAufRaster(Kennliniensitzung& sitzung, double y);
// x on the nearest X grid line, the first grid line above x, the last one below x. Each
// leaves x off the grid when the X grid field is 0 (or converts to no usable step), then
// limits to 0..4095 and rounds.
int KennlXAufRaster(Kennliniensitzung& sitzung, double x);
int KennlXRasterUeber(Kennliniensitzung& sitzung, double x);
int KennlXRasterUnter(Kennliniensitzung& sitzung, double x);

// The point nearest to (x, y) in screen distance on a plot area of breitePx x hoehePx
// pixels showing XStart..XEnde + 1 and 0..4095. Ties go to the lower index.
int KennlNaechsterPunkt(Kennliniensitzung& sitzung, double x, double y, double breitePx,
                        double hoehePx);
// The same with the plot size the window last reported.
int KennlNaechsterPunkt(Kennliniensitzung& sitzung, double x, double y);

}  // namespace characteristic
