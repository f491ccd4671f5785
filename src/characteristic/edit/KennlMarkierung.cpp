#include "characteristic/edit/KennlMarkierung.h"

#include <cmath>

#include "characteristic/model/Kennlinienmodell.h"

namespace characteristic {

namespace {

double Gerundet(double x) {
  return std::floor(x + 0.5);
}

}  // namespace

void KennlMarkierungBeginnen(Kennliniensitzung& sitzung, double x) {
  Markierung& m = sitzung.gKennl.Mark;
  m.Start = m.Ende = Gerundet(x);
  m.Aktiv = true;
}

void KennlMarkierungZiehen(Kennliniensitzung& sitzung, double x) {
  sitzung.gKennl.Mark.Ende = Gerundet(x);
}

void KennlMarkierungAbschliessen(Kennliniensitzung& sitzung, double x) {
  Markierung& m = sitzung.gKennl.Mark;
  if (x < m.Start) {
    m.Ende = m.Start;
    m.Start = Gerundet(x);
  } else {
    m.Ende = Gerundet(x);
  }
}

void KennlAllesMarkieren(Kennliniensitzung& sitzung) {
  Markierung& m = sitzung.gKennl.Mark;
  m.Start = 0.0;
  m.Ende = kRohSpanne;
  m.Aktiv = true;
}

void KennlMarkierungZuruecknehmen(Kennliniensitzung& sitzung, const Markierung& vorher) {
  sitzung.gKennl.Mark = vorher;
}

void KennlMarkierungAufheben(Kennliniensitzung& sitzung) {
  sitzung.gKennl.Mark.Aktiv = false;
}

}  // namespace characteristic
