// The characteristic graph as a picture shows it: the lines between the points and the
// last point's section to the end of the input range, output 1's value over input 2's, in
// their configured units, within a raw range of both axes. The title is the file's name.
#pragma once

#include <string>

#include "characteristic/model/Kennlinienmodell.h"
#include "common/Grafikinhalt.h"
#include "config/Konfiguration.h"

namespace characteristic {

// Raw codes of both axes; the whole characteristic is 0..4095 on each.
struct KennlGrafikbereich {
  double XVon = 0.0, XBis = kRohSpanne;
  double YVon = 0.0, YBis = kRohSpanne;
};

common::Grafikinhalt KennlGrafikinhalt(const config::Konfiguration& k, const Kennlinie& kennlinie,
                                       const KennlGrafikbereich& bereich,
                                       const std::string& dateiname);

}  // namespace characteristic
