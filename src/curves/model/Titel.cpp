#include "curves/model/Titel.h"

#include <utility>

namespace curves {
namespace {

std::string sgDateiname;
std::function<void(const std::string&)> sgTitelAnzeige;

}  // namespace

std::string DateinamenTeil(const std::string& pfad) {
  const auto trenner = pfad.find_last_of('/');
  return trenner == std::string::npos ? pfad : pfad.substr(trenner + 1);
}

void Fenstertitel(const std::string& pfad) {
  sgDateiname = pfad;
  if (sgTitelAnzeige) sgTitelAnzeige(FenstertitelText());
}

const std::string& AktuellerDateiname() {
  return sgDateiname;
}

std::string FenstertitelText() {
  if (sgDateiname.empty()) return "Curve generator";
  return "Curve generator - " + DateinamenTeil(sgDateiname);
}

void FenstertitelBinden(std::function<void(const std::string& titel)> anzeige) {
  sgTitelAnzeige = std::move(anzeige);
  if (sgTitelAnzeige) sgTitelAnzeige(FenstertitelText());
}

}  // namespace curves
