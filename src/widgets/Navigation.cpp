#include "widgets/Navigation.h"

#include <utility>

namespace widgets {

namespace {
std::function<void(Fenster)> sgZeigen;
std::function<int()> sgEnde;
}  // namespace

void NavigationBinden(std::function<void(Fenster)> zeigeChildpanel,
                      std::function<int()> programmende) {
  sgZeigen = std::move(zeigeChildpanel);
  sgEnde = std::move(programmende);
}

void FensterZeigen(Fenster fenster) {
  if (sgZeigen) sgZeigen(fenster);
}

int ProgrammendeAnfragen() {
  return sgEnde ? sgEnde() : -1;
}

}  // namespace widgets
