// What the device plays for a list of points (decoded from their curve image), and the
// fewest lines an exhaustive search finds for a target.
#pragma once

#include <functional>
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

// The fewest lines over the 250 us ticks 0..n (dynamic programming over tick and code)
// whose course and samples stay within e codes of ziel at every tick.
int WenigsteGeraden(const std::function<double(double)>& ziel, int n, double e);

}  // namespace shapetest
