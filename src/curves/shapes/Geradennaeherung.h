// A function of time turned into the fewest straight lines the device can play: every line
// a whole number of units of one time base, its points on whole output codes, and the
// device's output (one sample per unit, as the curve image encodes it) within a given
// error of the function.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "curves/model/Kurvenmodell.h"

namespace curves {

struct Naeherungsergebnis {
  std::vector<Kurvenpunkt> Punkte;  // lines in device form; the last point's Laenge
                                    // closes the stretch (its line runs to the end)
  double GroessterFehler = 0.0;     // largest |device output - target| met, in codes
  std::int64_t Speicherbytes = 0;   // device memory these lines need (samples * 2)
  // The code the last line runs to: the level at the end of the stretch. Whatever
  // follows the stretch should start there (a standalone curve gets a closing point of
  // this level unless its first point already has it).
  std::int32_t Endwert = 0;
};

// The finest grid of the device: every time base is a whole multiple of 250 us.
inline constexpr double kRasterMikro = 250.0;

// Failures of the approximation.
inline constexpr int kFehlerNaeherungSpeicher = -1023490;     // needs more than the memory
inline constexpr int kFehlerNaeherungParameter = -401491;     // duration or bound unusable
inline constexpr int kFehlerNaeherungUnerreichbar = -500492;  // level outside 0..4095, or
                                                              // faster than the grid follows

// Fewest lines on the device's time grid whose device output (decoded as the device
// image decodes it, sample by sample) stays within maxFehler codes of ziel(t) at every
// device sample of [0, dauerMikro]. ziel gives the wanted level in codes (unclipped; the
// caller clips and warns). Returns 0 or a negative code (too long for the device memory,
// no time base fits, ...) and leaves ergebnis untouched on failure.
//
// Beyond the samples, each line as drawn (the straight course between its points) stays
// within maxFehler of ziel at every 250 us tick, so a coarse time base cannot skip over
// what the function does between its samples. dauerMikro must be a positive multiple of
// 250 us, maxFehler at least 0.5 (a sample is a whole code). The line ends lie on the
// finest grid whose result fits the device memory; each line takes the coarsest time base
// whose steps stay within one code, or else the finest its grid allows.
int GeradenNaehern(const std::function<double(double tMikro)>& ziel, double dauerMikro,
                   double maxFehler, Naeherungsergebnis& ergebnis);

// The device's sample k of a line of n units from y0 towards y1, as the curve image
// computes it: the line's value, limited to 0..4095, rounded half up.
int GeradenAbtastwert(double y0, double y1, int k, int n);

}  // namespace curves
