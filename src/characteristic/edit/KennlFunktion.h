// A function y = f(x) put into the characteristic over an X range: linear, dead band,
// saturation, square law or a formula of x, turned into the fewest lines whose device
// output (one value per raw input step) stays within a given error of the function.
// Both axes in raw codes. Computed on a copy of the points, so a dialog can show it first.
// Outside the range the characteristic stays; a line the range cuts ends one step before
// it on the whole code nearest its old value there.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "characteristic/model/Kennlinienmodell.h"

namespace characteristic {

inline constexpr int kFehlerFunktionArt = -401593;
inline constexpr int kFehlerFunktionWert = -401594;
inline constexpr int kFehlerFunktionFormel = -505598;
inline constexpr int kFehlerFunktionBereich = -500597;

struct Kennlfunktionsauftrag {
  std::string Art;  // "linear", "deadband", "saturation", "square", "formula"
  std::vector<std::pair<std::string, std::string>> Parameter;  // name, value as written
  double MaxFehler = 1.0;                                      // codes, at least 0.5
  int Von = 0, Bis = kRohMax;                                  // raw input steps
};

struct Kennlfunktionsergebnis {
  std::vector<Kennlinienpunkt> Punkte;  // the whole characteristic with the function in
  int ErsterPunkt = 0;                  // index of the function's first point
  int Punktanzahl = 0;                  // points of the function, its end included
  double GroessterFehler = 0.0;         // largest |device value - f(x)| met, in codes
  std::vector<std::string> Warnungen;   // values clipped to 0..4095
};

// The kinds in list order, and the parameters of one ("gain offset"), with their
// defaults as a dialog fills them in.
const std::vector<std::string>& Kennlfunktionsarten();
std::vector<std::pair<std::string, std::string>> KennlfunktionsParameter(const std::string& art);

// The function over [Von, Bis] of the points given. 0, or a code with a one-line message
// (the parameter, the formula's error position, the range); the result is then untouched.
int KennlFunktionBerechnen(const std::vector<Kennlinienpunkt>& punkte,
                           const Kennlfunktionsauftrag& auftrag, Kennlfunktionsergebnis& ergebnis,
                           std::string& meldung);

}  // namespace characteristic
