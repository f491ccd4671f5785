// The characteristic window's mouse tools on its graph: what each tool previews while the
// button is down and does at the release, with the session's core functions, and the
// wheel's zoom and scroll. The graph-editor mouse filter of the shared kit calls them; the
// window keeps the tool choice.
#pragma once

#include "characteristic/model/Kennliniensitzung.h"
#include "widgets/Editorwerkzeuge.h"

namespace characteristic::gui {

class Kennlinienpanel;

class Kennlwerkzeuge : public widgets::Sitzungswerkzeuge<Kennlinienpanel, Kennliniensitzung> {
 public:
  using Sitzungswerkzeuge::Sitzungswerkzeuge;

  void ZugBeginnen(double breitePx, double hoehePx) override;
  void Vorschau(double x, double y, bool erste) override;
  void Uebernehmen(double x, double y) override;

 private:
  void MarkeZuruecknehmen() override;
  void SichtBewegen(double x, double schritte, bool zoom) override;

  Markierung markeVorDemZug_;
};

}  // namespace characteristic::gui
