#include "widgets/Navigation.h"

#include <utility>

namespace widgets {

namespace {
std::function<void(Fenster)> sgZeigen;
std::function<int()> sgEnde;
bool sgAlleFenster = false;
}  // namespace

void NavigationBinden(std::function<void(Fenster)> zeigeChildpanel,
                      std::function<int()> programmende) {
  sgZeigen = std::move(zeigeChildpanel);
  sgEnde = std::move(programmende);
}

void FensterZeigen(Fenster fenster) {
  if (sgZeigen) sgZeigen(fenster);
}

void AlleFensterAnbieten(bool an) {
  sgAlleFenster = an;
}

bool AlleFensterAngeboten() {
  return sgAlleFenster;
}

int ProgrammendeAnfragen() {
  return sgEnde ? sgEnde() : -1;
}

}  // namespace widgets
