// The characteristic controller's data: one characteristic y = f(x) as a chain of points
// over the raw input range, its undo ring, the view state and the window fields the core
// reads. Both axes are raw 12-bit device codes.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Undoring.h"

namespace characteristic {

// ---- Point: 12 bytes, also the point record of the characteristic file ----
struct Kennlinienpunkt {
  std::int32_t Y;        // raw output code 0..4095
  std::int32_t Laenge;   // length of the line starting here, in raw X steps
  std::int8_t Reserve;   // always 0; copied along with the point
  std::uint8_t frei[3];  // not used; written to files as in memory
};
static_assert(std::endian::native == std::endian::little, "records are stored as in memory");
static_assert(sizeof(Kennlinienpunkt) == 12);
static_assert(offsetof(Kennlinienpunkt, Y) == 0);
static_assert(offsetof(Kennlinienpunkt, Laenge) == 4);
static_assert(offsetof(Kennlinienpunkt, Reserve) == 8);

inline constexpr int kRohMax = 4095;
inline constexpr double kRohSpanne = 4095.0;
inline constexpr double kGroessteLaenge = 65535.0;
inline constexpr double kKeinePosition = -1.0;
inline constexpr int kKommentarGroesse = 1000;  // bytes of the comment, with its zero
inline constexpr int kHistorientiefe = 10;

// Start-up and "New": full scale for every input value.
inline constexpr Kennlinienpunkt kStandardpunkt = {kRohMax, 0, 0, {0, 0, 0}};

struct Kennlinie {
  std::vector<Kennlinienpunkt> Punkte;  // never empty
  std::string Kommentar;                // at most kKommentarGroesse - 1 characters
  int Punktanzahl() const { return static_cast<int>(Punkte.size()); }
};

using Historie = common::Undoring<Kennlinienpunkt, kHistorientiefe>;

// The marked X range of the graph.
struct Markierung {
  double Start = 0.0;
  double Ende = -1.0;
  bool Aktiv = false;
  bool StartAusstehend = false;
};

// The window's fields the core reads and writes. The window keeps them equal to its
// controls; tests and the command-line tool set them directly.
struct Kennlinienfelder {
  double XRaster = 0.0;       // in the second input's unit, 0 = none
  double YRaster = 0.0;       // in the first output's unit, 0 = none
  double Ausgang2 = 0.0;      // fixed value of output 2, in output index 1's unit
  double Anstiegszeit = 0.1;  // rise time in ms
  int KurveNr = 1;            // device slot 1..7
  double BreitePx = 800.0;    // the large graph's plot area, for the nearest point
  double HoehePx = 400.0;
};

struct Kennliniendaten {
  Kennlinie Kennl;
  Historie Historien;
  bool KennlinieGeaendert = false;
  double XStart = 0.0;
  double XEnde = 4094.0;
  std::int32_t YZoomMin = 0;
  std::int32_t YZoomMax = kRohMax;
  Markierung Mark;
  int Darstellung = 3;  // 1 lines, 2 steps, 3 both
  Kennlinienfelder Felder;
};

struct Kennliniensitzung;

// ---- Geometry ----

// X(i) = Laenge(0) + ... + Laenge(i - 1); i may equal the point count. Indices are clamped
// to 0..count.
double KennlPunktX(Kennliniensitzung& sitzung, int i);
double KennlPunktX(const std::vector<Kennlinienpunkt>& punkte, int i);
// The line holding x: the first i with floor(x) + 1 <= X(i) + Laenge(i); the last point
// when none qualifies.
int KennlGeradeBeiX(Kennliniensitzung& sitzung, double x);

// ---- Allocation and life cycle ----

inline constexpr int kFehlerPunkte = -600503;
inline constexpr int kFehlerStart = -600502;

// Resizes the point array to n points; -600503 (array unchanged) on failure or n < 1.
int PunkteAllokieren(Kennliniensitzung& sitzung, int n);

// Start-up: comment buffer, the default point, ten history slots of two points, counters
// and view at their start values. On an allocation failure nothing of the previous data is
// touched and -600502 is returned.
int KennlModellInitialisieren(Kennliniensitzung& sitzung);
// End of the run: frees the points, the comment and the history.
void KennlModellFreigeben(Kennliniensitzung& sitzung);

// "New": the default point, an empty comment, output 2 at raw 0 and the shortest rise
// time; the title loses its file name. History, flag, grids, zoom and display stay.
int KennlinieNeu(Kennliniensitzung& sitzung);

}  // namespace characteristic
