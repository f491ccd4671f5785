#include "config/gui/Neuskalierung.h"

#include <map>
#include <utility>

namespace config::gui {

namespace {
std::map<int, std::function<void()>>& liste() {
  static std::map<int, std::function<void()>> hooks;
  return hooks;
}
int naechstes = 1;
}  // namespace

int NeuskalierungAnmelden(std::function<void()> neuskalieren) {
  int ticket = naechstes++;
  liste()[ticket] = std::move(neuskalieren);
  return ticket;
}

void NeuskalierungAbmelden(int ticket) {
  liste().erase(ticket);
}

void AlleFensterNeuskalieren() {
  // A copy, so a hook may join or leave while the others run.
  auto hooks = liste();
  for (auto& [ticket, hook] : hooks)
    if (hook) hook();
}

}  // namespace config::gui
