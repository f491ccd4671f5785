// The parameters of a shape as the operator writes them, NAME=VALUE: times with their
// unit, levels in the output's unit (or raw codes), counts, angles and formula text.
#pragma once

#include <string>
#include <vector>

#include "config/Konfiguration.h"

namespace curves {

struct Formparameter {
  std::string Name;
  std::string Wert;  // as written: "20ms", "5V", "3", "90deg"
};

// "name=value" into its two halves; false when there is no '=' or no name.
bool FormparameterTeilen(const std::string& text, Formparameter& parameter);

// How levels are given: in the output's physical unit, or as raw codes 0..4095.
enum class Pegelangabe { Einheit, Roh };

// What the level texts mean: the output whose scaling converts them, from an explicit
// configuration record (not the global one).
struct Pegelbezug {
  config::Konfiguration Konfig = config::KonfigurationStandard();
  int Ausgang = 0;  // 0..3
  Pegelangabe Angabe = Pegelangabe::Einheit;
  // Level in the chosen unit -> raw code, unrounded and unclipped.
  double InRoh(double pegel) const;
  // The unit text levels may carry ("V"); empty for raw codes.
  std::string Einheit() const;
};

// Readers for one value text. Each returns false with a short reason ("needs a unit: us,
// ms, s, min, h") when the text does not hold such a value.
bool ZeitLesen(const std::string& text, double& mikro, std::string& grund);
bool PegelLesen(const std::string& text, const Pegelbezug& bezug, double& pegel,
                std::string& grund);
bool AnzahlLesen(const std::string& text, long long& anzahl, std::string& grund);
bool ZahlLesen(const std::string& text, double& zahl, std::string& grund);
bool WinkelLesen(const std::string& text, double& grad, std::string& grund);

// A time as the operator reads it back: "20 ms", "1.5 s", "250 us".
std::string ZeitText(double mikro);

}  // namespace curves
