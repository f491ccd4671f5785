// The cycles and idle-state fields of the current curve.
#pragma once

namespace curves {

struct Kurvensitzung;

// What the two fields show after a committed entry.
struct ZyklenFelder {
  int Zyklen;
  double Ruhezustand;  // in the output's unit
};

// Takes the cycles field (0 = repeat until stopped; negative counts become 0) and the
// idle-state field (output unit; stored as a raw code cut to 0..4095) for the current
// curve, marks the curves changed and returns the fields' new contents.
ZyklenFelder ZyklenUndRuhezustand(Kurvensitzung& sitzung, int zyklenFeld, double ruheFeld);

}  // namespace curves
