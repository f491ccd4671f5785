#include "curves/edit/Editordialoge.h"

namespace curves {
namespace {

class Unveraendert final : public Editordialoge {
 public:
  Punktfelder Punktdialog(int, const Punktfelder& felder, const std::string&) override {
    return felder;
  }
  Zeitfelder Geradendialog(int, const Zeitfelder& felder) override { return felder; }
  int ZeitbasisMenue(int) override { return 0; }
};

Unveraendert sgUnveraendert;
Editordialoge* sgDialoge = &sgUnveraendert;

}  // namespace

Editordialoge& editordialoge() {
  return *sgDialoge;
}

void setEditordialoge(Editordialoge* dialoge) {
  sgDialoge = dialoge ? dialoge : &sgUnveraendert;
}

}  // namespace curves
