// The characteristic graph's view: the visible X range with its zoom commands and scroll
// bar, the Y zoom, the axes' label maps into the configured units and the output-2 field's
// label and range. Plain numbers only; the window turns them into plots and controls.
#pragma once

#include <string>

#include "characteristic/model/Kennliniensitzung.h"

namespace characteristic {

// The visible width XEnde - XStart + 1 in raw input steps.
double KennlSichtbreite(Kennliniensitzung& sitzung);

// "Zoom +": two thirds of the width around the middle (at least 1).
void KennlZoomPlus(Kennliniensitzung& sitzung);
// "Zoom -": one and a half times the width, a sixth of it added on the left, kept within
// 0 .. 4095.
void KennlZoomMinus(Kennliniensitzung& sitzung);
// "Zoom Markierung": with an active mark the marked range becomes the view when it is not
// empty, and the mark becomes inactive. Returns true when the mark was active.
bool KennlZoomAufMarkierung(Kennliniensitzung& sitzung);
// "Zoom Gesammtkurve": the whole input range, 0 .. 4094.
void KennlZoomVoll(Kennliniensitzung& sitzung);

// The mouse wheel: "Zoom +" (hinein) or "Zoom -" with the input value x staying where it is
// on the screen, and a scroll by `schritte` tenths of the visible width (negative: to the
// left). Both keep the view within 0 .. 4095, as the scroll bar does.
void KennlZoomUmX(Kennliniensitzung& sitzung, double x, bool hinein);
void KennlSichtVerschieben(Kennliniensitzung& sitzung, double schritte);

// The scroll bar in per cent of the bar: thumb 1..100, position 0..100.
struct KennlScrollbalken {
  int Daumen;
  int Position;
};
KennlScrollbalken KennlScrollbarAnpassen(Kennliniensitzung& sitzung);
// The operator let go of the scroll bar at `position` (0..100): the view keeps its width
// and moves. Returns true when it moved.
bool KennlScrollbarLosgelassen(Kennliniensitzung& sitzung, int position);

// One axis of the large graph: the data stay in raw codes, the labels show
// raw * Verstaerkung + Versatz in the unit.
struct KennlAchse {
  double Verstaerkung;
  double Versatz;
  std::string Einheit;
  double Min, Max;  // visible raw range
  // The zoom fields (Y only): the limits in the unit, and what an unchanged field stands
  // for (the middle of its code, which truncates back to the code whatever the rounding of
  // the shown value).
  double FeldMin, FeldMax;
  double FeldMinGenau, FeldMaxGenau;
};
// Output index 0 over YZoomMin .. YZoomMax.
KennlAchse KennlYAchse(Kennliniensitzung& sitzung);
// Input index 1 over XStart .. XEnde + 1.
KennlAchse KennlXAchse(Kennliniensitzung& sitzung);

// The Y zoom fields were committed (first output's unit). The limits are taken when the
// lower one is below the upper one after conversion to raw codes (truncated, cut to
// 0..4095); otherwise nothing changes and the fields must be rewritten from KennlYAchse.
// Returns true when taken.
bool KennlYZoomSetzen(Kennliniensitzung& sitzung, double feldMin, double feldMax);

// The output-2 field: "analog output 2 [unit]" and the range of output index 1's scaled
// values, lower end first.
struct KennlAusgang2Feld {
  std::string Beschriftung;
  double Min, Max;
};
KennlAusgang2Feld KennlAusgang2Beschreibung(const Kennliniensitzung& sitzung);

// The unit names of output and input n as the configuration holds them.
std::string KennlAusgangseinheit(const config::Konfiguration& k, int n);
std::string KennlEingangseinheit(const config::Konfiguration& k, int n);

}  // namespace characteristic
