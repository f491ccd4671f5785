#include "characteristic/model/KennlTitel.h"

#include "common/Dateiname.h"

namespace characteristic {

void KennlFenstertitel(Kennliniensitzung& sitzung, const std::string& pfad) {
  sitzung.Dateiname = pfad;
  sitzung.Titelmeldungen.Melden(KennlFenstertitelText(sitzung));
}

const std::string& KennlDateiname(Kennliniensitzung& sitzung) {
  return sitzung.Dateiname;
}

std::string KennlFenstertitelText(Kennliniensitzung& sitzung) {
  if (sitzung.Dateiname.empty()) return "Characteristic controller";
  return "Characteristic controller - " + common::DateinamenTeil(sitzung.Dateiname);
}

}  // namespace characteristic
