// Reading the characteristic at the measuring cursors: the level the device puts out for
// a raw input value, as the characteristic image holds it (one sample per raw X step, the
// lines' values rounded, the rest of the range at the last one), and in the units the
// window shows (X in the second input's, Y in the first output's).
#pragma once

#include <optional>
#include <vector>

#include "characteristic/model/Kennlinienmodell.h"
#include "config/Konfiguration.h"

namespace characteristic {

// The level for raw input x (0..4095; beyond it, the nearest end).
int KennlAusgabeBeiX(const std::vector<Kennlinienpunkt>& punkte, double x);

struct KennlCursorablesung {
  double X1 = 0.0, X2 = 0.0;                                  // raw
  int Roh1 = 0, Roh2 = 0;                                     // output levels
  double Eingang1 = 0.0, Eingang2 = 0.0, DeltaEingang = 0.0;  // input unit
  double Wert1 = 0.0, Wert2 = 0.0, Delta = 0.0;               // output unit
  std::optional<double> Steigung;  // output unit per input unit; none when they meet
};

KennlCursorablesung KennlCursorAblesen(const config::Konfiguration& k,
                                       const std::vector<Kennlinienpunkt>& punkte, double x1,
                                       double x2);

}  // namespace characteristic
