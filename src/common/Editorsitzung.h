// What the editors' shared mouse tools ask of a session, whichever editor it belongs to:
// the plot size at a press (the mark as it stands is kept for Escape), the mark back as it
// was, and the wheel's zoom and scroll of the view. The curve and the characteristic
// sessions answer it with their core functions.
#pragma once

namespace common {

class Editorsitzung {
 public:
  // A press: the plot area's size for finding the nearest point; keeps the mark.
  virtual void ZugBeginnen(double breitePx, double hoehePx) = 0;
  // Escape: the mark as it was at the press.
  virtual void MarkeZuruecknehmen() = 0;
  // The wheel: zoom in or out around x, or scroll by `schritte` tenths of the view's width
  // (negative: to the left).
  virtual void RadZoom(double x, bool hinein) = 0;
  virtual void RadVerschieben(double schritte) = 0;

 protected:
  ~Editorsitzung() = default;
};

}  // namespace common
