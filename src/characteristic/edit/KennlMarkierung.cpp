#include "characteristic/edit/KennlMarkierung.h"

#include <cmath>

#include "characteristic/model/Kennlinienmodell.h"

namespace characteristic {

namespace {

double Gerundet(double x) {
  return std::floor(x + 0.5);
}

}  // namespace

void KennlMarkierungBeginnen(double x) {
  Markierung& m = gKennl.Mark;
  m.Start = m.Ende = Gerundet(x);
  m.Aktiv = true;
}

void KennlMarkierungZiehen(double x) {
  gKennl.Mark.Ende = Gerundet(x);
}

void KennlMarkierungAbschliessen(double x) {
  Markierung& m = gKennl.Mark;
  if (x < m.Start) {
    m.Ende = m.Start;
    m.Start = Gerundet(x);
  } else {
    m.Ende = Gerundet(x);
  }
}

void KennlAllesMarkieren() {
  Markierung& m = gKennl.Mark;
  m.Start = 0.0;
  m.Ende = kRohSpanne;
  m.Aktiv = true;
}

void KennlMarkierungAufheben() {
  gKennl.Mark.Aktiv = false;
}

}  // namespace characteristic
