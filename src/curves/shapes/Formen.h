// Standard shapes as curve points on the device's time grid. Exact shapes (step, stair,
// ramp, triangle, trapezoid, pulse) are lines from level to level; approximated shapes
// (sine, exp, formula) are the fewest lines whose device output stays within a given error
// of the function. A shape is computed without touching any curve, so a dialog can show
// it before it is inserted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "curves/model/Kurvenmodell.h"
#include "curves/shapes/Formparameter.h"

namespace curves {

// Failures of a shape (the approximation's own codes are in Geradennaeherung.h).
inline constexpr int kFehlerFormArt = -401493;        // unknown kind
inline constexpr int kFehlerFormWert = -401494;       // a value that does not read
inline constexpr int kFehlerFormFehlt = -503495;      // a required parameter is missing
inline constexpr int kFehlerFormParameter = -401496;  // unknown or repeated parameter
inline constexpr int kFehlerFormGrenzen = -500497;    // a value outside its limits
inline constexpr int kFehlerFormFormel = -505498;     // formula does not parse or evaluate
inline constexpr int kFehlerFormRaster = -1010499;    // a time off the device's time grid

struct Formauftrag {
  std::string Art;  // "sine", "pulse", ...
  std::vector<Formparameter> Parameter;
  double MaxFehler = 1.0;  // codes; the approximated shapes' bound
  Pegelbezug Bezug;
};

struct Form {
  std::vector<Kurvenpunkt> Punkte;  // cover the shape's duration; the last line runs to
                                    // its end
  std::int32_t Endwert = 0;         // the level at the end, where the last line runs to
  double DauerMikro = 0.0;
  double GroessterFehler = 0.0;        // largest |device sample - shape| in codes
  std::int64_t Speicherbytes = 0;      // samples of the points * 2
  std::vector<std::string> Warnungen;  // levels clipped to 0..4095
};

// Computes the shape. 0, or a code with a one-line explanation in meldung (naming the
// parameter, the position of a formula error or the memory needed); form is then left
// untouched.
int FormBerechnen(const Formauftrag& auftrag, Form& form, std::string& meldung);

// The kinds in the order a list shows them, and the parameters of one kind as the help
// names them ("from to steps time"); empty for an unknown kind.
const std::vector<std::string>& Formarten();
std::string FormparameterListe(const std::string& art);

// The shape as a curve of its own: its points, closed by a one-unit point at the end level
// when the last line would otherwise run towards another level (the curve's start).
std::vector<Kurvenpunkt> FormAlsKurve(const Form& form);

// Samples a list of points needs in the device (the sum of its lengths).
std::int64_t Abtastwerte(const std::vector<Kurvenpunkt>& punkte);

// "the curve needs 70000 bytes of device memory; it holds 61440 (30704 samples)".
std::string SpeicherMeldung(std::int64_t samples);

}  // namespace curves
