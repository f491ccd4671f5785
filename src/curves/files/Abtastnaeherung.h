// Sampled data as curve points: the samples, interpolated linearly, are the target of the
// line approximation on the device's time grid (GeradenNaehern). What is held, exactly:
// every sample the device plays for the curve, the closing unit included, lies within the
// tolerance of that interpolation at the sample's time, and so does every line as drawn at
// every 250 us. The tolerance is given, or chosen from the samples' noise so that noise
// does not turn into points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "curves/model/Kurvenmodell.h"

namespace curves {

inline constexpr int kFehlerAbtastreiheZuLang = -1023576;   // beyond the device memory
inline constexpr int kFehlerAbtastreiheSpeicher = -600577;  // allocation failed
inline constexpr double kNaeherungToleranzMin = 0.5;        // codes; a smaller one cannot hold
inline constexpr double kNaeherungToleranzStandard = 1.0;   // codes
// The tolerance taken from noise spans this many estimated standard deviations ...
inline constexpr double kRauschbreite = 4.0;
// ... but never more than this share of the samples' span, and only from this many
// samples on.
inline constexpr double kRauschAnteilMax = 0.05;
inline constexpr std::size_t kRauschMindestwerte = 32;

struct Naeherungsbericht {
  std::vector<int> Zeitbasen;  // the time bases the lines take, finest first
  int Einheiten = 0;           // samples the device plays, the closing unit included
  int Punkte = 0;
  double Toleranz = 0.0;  // codes, as held
  bool ToleranzAusRauschen = false;
  double Rauschen = 0.0;           // estimated noise of the samples, codes (standard deviation)
  double GroessterFehler = 0.0;    // largest |played sample - target| met, codes
  std::int64_t Speicherbytes = 0;  // device memory of the curve: header and 2 bytes per unit
};

// The curve for samples at zeit (seconds, rising, first 0) with values in codes (0..4095);
// zeilen holds each sample's file line for the refusal of a curve too long for the device,
// which names the first sample the memory cannot hold. The curve runs from 0 to the last
// sample's time, on the 250 us grid; a last level other than the first gets a closing
// unit. toleranz <= 0 takes 1 code, or kRauschbreite times the noise when that is more (at
// most kRauschAnteilMax of the span); a tolerance below 0.5 codes is raised to 0.5.
// 0, kFehlerAbtastreiheZuLang (shown with the line), kFehlerAbtastreiheSpeicher or a code
// of the approximation.
int AbtastwerteNaehern(const std::vector<double>& zeit, const std::vector<double>& codes,
                       const std::vector<int>& zeilen, double toleranz,
                       std::vector<Kurvenpunkt>& punkte, Naeherungsbericht& bericht);

// Standard deviation of the noise on z, from the median absolute second difference, so
// that corners and steps of the signal do not count; 0 for fewer than kRauschMindestwerte.
double RauschenSchaetzen(const std::vector<double>& z);

}  // namespace curves
