#include "characteristic/model/KennlTitel.h"

#include <utility>

#include "common/Dateiname.h"

namespace characteristic {
namespace {

std::string sgDateiname;
std::function<void(const std::string&)> sgAnzeige;

}  // namespace

void KennlFenstertitel(const std::string& pfad) {
  sgDateiname = pfad;
  if (sgAnzeige) sgAnzeige(KennlFenstertitelText());
}

const std::string& KennlDateiname() {
  return sgDateiname;
}

std::string KennlFenstertitelText() {
  if (sgDateiname.empty()) return "Characteristic controller";
  return "Characteristic controller - " + common::DateinamenTeil(sgDateiname);
}

void KennlFenstertitelBinden(std::function<void(const std::string& titel)> anzeige) {
  sgAnzeige = std::move(anzeige);
  if (sgAnzeige) sgAnzeige(KennlFenstertitelText());
}

}  // namespace characteristic
