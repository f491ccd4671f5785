// What the device plays for a list of points: the curve image of those points, decoded
// sample by sample with each sample's start time.
#pragma once

#include <vector>

#include "curves/model/Kurvenmodell.h"

namespace shapetest {

struct Abtastung {
  double tMikro;
  int wert;
};

// Puts the points into curve 1 of the global model and decodes the image the transfer
// would send. Fails the current test when the image cannot be made.
std::vector<Abtastung> Geraeteausgabe(const std::vector<curves::Kurvenpunkt>& punkte);

}  // namespace shapetest
