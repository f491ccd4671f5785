#include "curves/model/Titel.h"

#include <utility>

#include "common/Dateiname.h"

namespace curves {
namespace {

std::string sgDateiname;
std::function<void(const std::string&)> sgTitelAnzeige;

}  // namespace

void Fenstertitel(const std::string& pfad) {
  sgDateiname = pfad;
  if (sgTitelAnzeige) sgTitelAnzeige(FenstertitelText());
}

const std::string& AktuellerDateiname() {
  return sgDateiname;
}

std::string FenstertitelText() {
  if (sgDateiname.empty()) return "Curve generator";
  return "Curve generator - " + common::DateinamenTeil(sgDateiname);
}

void FenstertitelBinden(std::function<void(const std::string& titel)> anzeige) {
  sgTitelAnzeige = std::move(anzeige);
  if (sgTitelAnzeige) sgTitelAnzeige(FenstertitelText());
}

}  // namespace curves
