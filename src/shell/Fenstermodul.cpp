#include "shell/Fenstermodul.h"

namespace shell {

const Fenstermodul* ModulSuchen(const std::vector<Fenstermodul>& module, Fenster fenster) {
  for (const auto& m : module)
    if (m.fenster == fenster) return &m;
  return nullptr;
}

}  // namespace shell
