// The curve generator's data: four cyclic curves of points on a time grid, with their
// output settings, undo rings and the shared clipboard. Lengths are counted in time-base
// units, values are raw 12-bit output codes.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Undoring.h"

namespace curves {

// ---- Time bases: codes 1..9 ----
double ZeitbasisInMikrosekunden(int code);  // 0.0 for an unknown code
const char* ZeitbasisName(int code);        // " " for an unknown code
int ZeitbasisAusName(const char* name);     // 0 when no name matches (case-sensitive)
// The codes in list order ("250us" first), as every time-base list shows them.
inline constexpr std::array<int, 9> kZeitbasisListe = {9, 1, 2, 3, 4, 5, 6, 7, 8};

// ---- Point: 12 bytes, also the point record of the curve file ----
struct Kurvenpunkt {
  std::int32_t Y;         // raw output code 0..4095
  std::int32_t Laenge;    // length of the line starting here, in units, 1..65535
  std::int8_t Zeitbasis;  // time base code of that line, 1..9
  std::uint8_t frei[3];   // not used
};
static_assert(std::endian::native == std::endian::little, "records are stored as in memory");
static_assert(sizeof(Kurvenpunkt) == 12);
static_assert(offsetof(Kurvenpunkt, Y) == 0);
static_assert(offsetof(Kurvenpunkt, Laenge) == 4);
static_assert(offsetof(Kurvenpunkt, Zeitbasis) == 8);

inline constexpr int kKurven = 4;
inline constexpr int kKommentarGroesse = 1000;  // bytes of a comment field, with its zero
inline constexpr int kHistorientiefe = 10;
inline constexpr int kRohMax = 4095;
// The device keeps cycles in 16 bits: more would wrap, 65536 into "repeat until stopped".
inline constexpr std::int32_t kZyklenMax = 0xFFFF;

// The point every curve has after start-up and after KurvenNeu: Y 0, one 10 ms unit.
inline constexpr Kurvenpunkt kStandardpunkt = {0, 1, 4, {0, 0, 0}};

struct Kurve {
  std::vector<Kurvenpunkt> Punkte;  // never empty
  std::string Kommentar;            // at most kKommentarGroesse - 1 characters
  int Punktanzahl() const { return static_cast<int>(Punkte.size()); }
};

using Historie = common::Undoring<Kurvenpunkt, kHistorientiefe>;
using Historieneintrag = Historie::Eintrag;

}  // namespace curves

namespace curves {

// The whole state of the curve generator's data, owned by a Kurvensitzung.
struct Kurvendaten {
  std::array<Kurve, kKurven> Kurven;
  std::array<Historie, kKurven> Historien;
  std::vector<Kurvenpunkt> Zwischenspeicher;  // the clipboard, shared by the four curves

  // Per-curve output settings.
  std::array<std::int32_t, kKurven> Zyklen{};       // 0 = repeat until stopped
  std::array<std::int32_t, kKurven> Ruhezustand{};  // raw idle-state value
  std::array<double, kKurven> YRaster{};            // Y grid in the output's unit, 0 = none;
                                                    // the window keeps it equal to its field
  std::array<std::int32_t, kKurven> YZoomMin{};
  std::array<std::int32_t, kKurven> YZoomMax{kRohMax, kRohMax, kRohMax, kRohMax};

  int Kurvenzahl = kKurven;
  bool KurvenGeaendert = false;
  int AktuelleKurve = 0;
};

}  // namespace curves

namespace curves {

struct Kurvensitzung;

// ---- Time geometry, all times in microseconds ----

// Duration of the line that starts at point p.
double Geradendauer(const Kurvenpunkt& p);
// Start time T(i) of point i of curve k; i may equal the point count (giving the length).
// Indices outside 0..count are clamped to that range.
double PunktStartzeit(const Kurve& k, int i);
// The line of curve k holding time x: the first i with floor(x) + 1 <= T(i) + D(i); the
// last point when none qualifies (so times before 0 give 0).
int GeradenIndexBeiZeit(const Kurve& k, double x);
// The same on the curve being edited.
double PunktStartzeit(Kurvensitzung& sitzung, int i);
int GeradenIndexBeiZeit(Kurvensitzung& sitzung, double x);
// Sum of all line durations of curve c (0..3); 0.0 for another index.
double Kurvenlaenge(Kurvensitzung& sitzung, int c);
double Kurvenlaenge(const Kurve& k);

// The curve being edited (gKurven.AktuelleKurve).
Kurve& AktuelleKurveDaten(Kurvensitzung& sitzung);

// The curve switch: curve c (0..3) becomes the edited one. Returns false, changing
// nothing, for another index.
bool AktuelleKurveSetzen(Kurvensitzung& sitzung, int c);
// The Y grid of the edited curve in the output's unit (0 = none).
void YRasterSetzen(Kurvensitzung& sitzung, double wert);
// The comment of the edited curve; a different text marks the curves as changed. Returns
// true when the text changed.
bool KommentarSetzen(Kurvensitzung& sitzung, const std::string& text);

// ---- Device memory requirement ----

inline constexpr std::int64_t kKopfBytes = 32;
inline constexpr double kGeraetespeicherBytes = 61440.0;  // device memory from address 4096
inline constexpr std::uint32_t kFarbeGrau = 0xC0C0C0;
inline constexpr std::uint32_t kFarbeRot = 0xFF0000;

// Bytes the four curves take in the device: a 32-byte header and 2 bytes per unit.
std::int64_t Speicherbedarf(Kurvensitzung& sitzung);

// What the memory field shows: the percentage (rounded up by 0.05 for the one-decimal
// display) and its colour, grey up to 100 per cent, red above.
struct SpeicherbedarfAnzeige {
  double Prozent;
  std::uint32_t Farbe;
};
SpeicherbedarfAnzeige SpeicherbedarfAnzeigen(Kurvensitzung& sitzung);

// ---- Allocation and life cycle ----

// Resizes curve c's point array to n points. On failure, for n < 1 or an unknown curve,
// the array stays as it was and -600403 is returned. New points are all zero.
int PunkteAllokieren(Kurvensitzung& sitzung, int c, int n);

// Start-up: allocates the four curves with their comments and undo rings and sets every
// curve, setting, counter, the clipboard and the visible time window to its start value.
// On an allocation failure nothing of the previous data is touched and -600402 is
// returned.
int KurvenModellInitialisieren(Kurvensitzung& sitzung);
// End of the run: frees every point array, comment, undo ring and the clipboard.
void KurvenModellFreigeben(Kurvensitzung& sitzung);

// File "New": every curve back to the default point, empty comment, cycles and idle state
// 0; the title loses its file name. Undo rings, Y grid and Y zoom stay. Returns 0 or the
// code of the first failed resize.
int KurvenNeu(Kurvensitzung& sitzung);

}  // namespace curves
