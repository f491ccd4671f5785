#include "curves/model/Titel.h"

#include "common/Dateiname.h"

namespace curves {
void Fenstertitel(Kurvensitzung& sitzung, const std::string& pfad) {
  sitzung.Dateiname = pfad;
  sitzung.Titelmeldungen.Melden(FenstertitelText(sitzung));
}

const std::string& AktuellerDateiname(Kurvensitzung& sitzung) {
  return sitzung.Dateiname;
}

std::string FenstertitelText(Kurvensitzung& sitzung) {
  if (sitzung.Dateiname.empty()) return "Curve generator";
  return "Curve generator - " + common::DateinamenTeil(sitzung.Dateiname);
}

}  // namespace curves
