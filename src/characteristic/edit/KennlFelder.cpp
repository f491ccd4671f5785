#include "characteristic/edit/KennlFelder.h"

#include "characteristic/transfer/Kennlinienbild.h"

namespace characteristic {

void KennlFelderSetzen(Kennliniensitzung& sitzung, double xRaster, double yRaster, double ausgang2,
                       double anstiegszeit, int kurveNr) {
  auto& f = sitzung.gKennl.Felder;
  f.XRaster = xRaster;
  f.YRaster = yRaster;
  f.Ausgang2 = ausgang2;
  f.Anstiegszeit = anstiegszeit;
  f.KurveNr = kurveNr;
}

void KennlAusgang2Setzen(Kennliniensitzung& sitzung, double ausgang2) {
  sitzung.gKennl.Felder.Ausgang2 = ausgang2;
}

double KennlAnstiegszeitSetzen(Kennliniensitzung& sitzung, double eingabe) {
  return sitzung.gKennl.Felder.Anstiegszeit = CodeInAnstiegszeit(AnstiegszeitInCode(eingabe));
}

void KennlZeichenflaecheSetzen(Kennliniensitzung& sitzung, double breitePx, double hoehePx) {
  sitzung.gKennl.Felder.BreitePx = breitePx;
  sitzung.gKennl.Felder.HoehePx = hoehePx;
}

int KennlDarstellungSetzen(Kennliniensitzung& sitzung, int darstellung) {
  if (darstellung < 1 || darstellung > 3) darstellung = 3;
  return sitzung.gKennl.Darstellung = darstellung;
}

}  // namespace characteristic
