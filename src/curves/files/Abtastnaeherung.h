// Sampled data as curve points: the samples are interpolated linearly at the instants of
// the device's time grid (k units from the first sample), and the fewest lines are laid
// through those grid values that keep every sample the device plays within a tolerance.
// The check is exact for the device: a line of n units from y0 to y1 plays
// trunc(y0 + (y1 - y0) * k / n + 0.5) for k = 0..n-1, and the closing unit plays the last
// point's value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "curves/model/Kurvenmodell.h"

namespace curves {

inline constexpr int kFehlerNaeherungZuLang = -1023576;    // beyond the device memory
inline constexpr int kFehlerNaeherungSpeicher = -600577;   // allocation failed
inline constexpr double kNaeherungToleranzMin = 0.5;       // codes; a smaller one cannot hold
inline constexpr double kNaeherungToleranzStandard = 1.0;  // codes
// The tolerance taken from noise spans this many estimated standard deviations.
inline constexpr double kRauschbreite = 4.0;
// ... but never more than this share of the signal's span, and only from this many grid
// values on.
inline constexpr double kRauschAnteilMax = 0.05;
inline constexpr std::size_t kRauschMindestwerte = 32;

struct Naeherungsbericht {
  int Zeitbasis = 0;
  int Einheiten = 0;  // units of the curve, the closing unit included
  int Punkte = 0;
  double Toleranz = 0.0;  // codes, as held
  bool ToleranzAusRauschen = false;
  double Rauschen = 0.0;           // estimated noise of the grid values, codes (standard deviation)
  double GroessterFehler = 0.0;    // largest |played sample - grid value|, codes
  std::int64_t Speicherbytes = 0;  // device memory of the curve: header and 2 bytes per unit
};

// The curve for samples at zeit (seconds, rising, first 0) with values in codes (0..4095);
// zeilen holds each sample's file line for the refusal of a curve too long for the device.
//
// zeitbasis 0 chooses the coarsest time base whose unit is not longer than the samples'
// median spacing (250us for finer samples), or a coarser one when the curve does not fit
// the device memory that way. toleranz <= 0 takes 1 code, or kRauschbreite times the
// noise of the grid values when that is more (at most kRauschAnteilMax of their span); a
// tolerance below 0.5 codes is raised to 0.5.
// 0, kFehlerNaeherungZuLang (shown with the line) or kFehlerNaeherungSpeicher.
int AbtastwerteNaehern(const std::vector<double>& zeit, const std::vector<double>& codes,
                       const std::vector<int>& zeilen, double toleranz, int zeitbasis,
                       std::vector<Kurvenpunkt>& punkte, Naeherungsbericht& bericht);

// The samples interpolated linearly at k * einheit seconds, k = 0..letzte; instants past
// the last sample take its value.
std::vector<double> AufRaster(const std::vector<double>& zeit, const std::vector<double>& codes,
                              double einheit, int letzte);

// Standard deviation of the noise on z, from the median absolute second difference, so
// that corners and steps of the signal do not count.
double RauschenSchaetzen(const std::vector<double>& z);

// The fewest-lines cover of the grid values z (one per unit, z.size() >= 1) on time base
// zeitbasis within toleranz (>= 0.5) codes; the last point takes the closing unit.
std::vector<Kurvenpunkt> GeradenLegen(const std::vector<double>& z, double toleranz, int zeitbasis);

// The samples the device plays for these points, one per unit, the closing line included.
std::vector<int> GespielteWerte(const std::vector<Kurvenpunkt>& punkte);

}  // namespace curves
