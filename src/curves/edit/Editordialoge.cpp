#include "curves/edit/Editordialoge.h"

#include "curves/model/Kurvensitzung.h"

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

}  // namespace

Editordialoge& AktiveEditordialoge(Kurvensitzung& sitzung) {
  static Unveraendert unveraendert;  // no state: answers every dialog with its input
  return sitzung.Dialoge ? *sitzung.Dialoge : unveraendert;
}

void EditordialogeSetzen(Kurvensitzung& sitzung, Editordialoge* dialoge) {
  sitzung.Dialoge = dialoge;
}

}  // namespace curves
