#include "characteristic/model/KennlKommentar.h"

#include "characteristic/model/Kennlinienmodell.h"

namespace characteristic {

bool KennlKommentarSetzen(Kennliniensitzung& sitzung, const std::string& text) {
  const std::string neu = text.substr(0, kKommentarZeichen);
  if (neu == sitzung.gKennl.Kennl.Kommentar) return false;
  sitzung.gKennl.Kennl.Kommentar = neu;
  sitzung.gKennl.KennlinieGeaendert = true;
  return true;
}

std::string KennlKommentarVorschau(Kennliniensitzung& sitzung) {
  return sitzung.gKennl.Kennl.Kommentar.substr(0, kKommentarVorschauZeichen);
}

}  // namespace characteristic
