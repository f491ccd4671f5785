// Measurements of the output the device produces from a curve: the held level of each
// time-base unit (one sample per unit, as the curve image computes it), not the straight
// lines between the points. All times in microseconds; the curve and the scaling are
// passed in, so a window and the command line measure the same way.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/Konfiguration.h"
#include "config/Umrechnung.h"
#include "curves/model/Kurvenmodell.h"

namespace curves {

// Codes into the physical unit of one output.
struct Ausgabeskalierung {
  config::Kanalskalierung Kanal{0.0, 10.0, 0.0, 10.0};
  double VoltMax = 10.0;
  std::string Einheit = "V";
  double InEinheit(double roh) const;
};

// The scaling of output 0..3 in the given record.
Ausgabeskalierung AusgabeskalierungAus(const config::Konfiguration& konfig, int ausgang);

// The sample the device holds at time t: the curve repeats, so a time outside 0..length
// folds into it.
int AusgabewertBeiZeit(const Kurve& kurve, double t);

struct Ausgabestatistik {
  double Von = 0.0;  // the range measured, within 0..curve length
  double Bis = 0.0;
  double Dauer = 0.0;
  int Punkte = 0;                     // points whose line starts in [Von, Bis)
  std::int64_t Speicherbytes = 0;     // 2 per sample starting in the range; + the header
                                      // when the range is the whole curve
  double SpeicherProzent = 0.0;       // of the device's 61440 bytes
  double MinRoh = 0.0, MaxRoh = 0.0;  // codes
  double MittelRoh = 0.0, EffektivRoh = 0.0;
  double Min = 0.0, Max = 0.0;  // in the output's unit
  double Mittel = 0.0, Effektiv = 0.0;
};

// Statistics of the held output over [von, bis], both clamped to the curve (in either
// order). Mean and RMS are weighted by the time each level is held within the range; a
// range of no duration gives the level held at its start.
Ausgabestatistik AusgabestatistikBerechnen(const Kurve& kurve, double von, double bis,
                                           const Ausgabeskalierung& skalierung);

// The same over the whole curve.
Ausgabestatistik AusgabestatistikBerechnen(const Kurve& kurve, const Ausgabeskalierung& skalierung);

// Two cursors at t1 and t2.
struct Cursorablesung {
  double T1 = 0.0, T2 = 0.0;
  double Dt = 0.0;                  // t2 - t1, microseconds
  std::optional<double> Frequenz;   // 1/dt in Hz; none when dt is 0
  int Roh1 = 0, Roh2 = 0;           // held samples
  double Wert1 = 0.0, Wert2 = 0.0;  // in the output's unit
  double Delta = 0.0;               // Wert2 - Wert1
  std::optional<double> Steigung;   // unit per second; none when dt is 0
};

Cursorablesung CursorAblesen(const Kurve& kurve, double t1, double t2,
                             const Ausgabeskalierung& skalierung);

// The ends of a curve's lines, for many readings of one curve (a cursor dragged over it):
// a reading then costs a search instead of a walk over every point. Built anew whenever
// the curve changes; with a curve of another point count it reads as AusgabewertBeiZeit.
class Ausgabeindex {
 public:
  Ausgabeindex() = default;
  explicit Ausgabeindex(const Kurve& kurve);
  // As AusgabewertBeiZeit.
  int WertBeiZeit(const Kurve& kurve, double t) const;

 private:
  std::vector<double> enden_;
  double laenge_ = 0.0;  // as Kurvenlaenge sums it, which folds the time
};

Cursorablesung CursorAblesen(const Kurve& kurve, const Ausgabeindex& index, double t1, double t2,
                             const Ausgabeskalierung& skalierung);

}  // namespace curves
