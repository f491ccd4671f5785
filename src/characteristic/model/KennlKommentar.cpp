#include "characteristic/model/KennlKommentar.h"

#include "characteristic/model/Kennlinienmodell.h"

namespace characteristic {

bool KennlKommentarSetzen(const std::string& text) {
  const std::string neu = text.substr(0, kKommentarZeichen);
  if (neu == gKennl.Kennl.Kommentar) return false;
  gKennl.Kennl.Kommentar = neu;
  gKennl.KennlinieGeaendert = true;
  return true;
}

std::string KennlKommentarVorschau() {
  return gKennl.Kennl.Kommentar.substr(0, kKommentarVorschauZeichen);
}

}  // namespace characteristic
