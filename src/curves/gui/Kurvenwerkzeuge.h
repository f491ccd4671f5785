// The curve window's mouse tools on its graph: what each tool previews while the button
// is down and does at the release, with the session's core functions, and the wheel's zoom
// and scroll. The graph-editor mouse filter of the shared kit calls them; the window keeps
// the tool choice.
#pragma once

#include "curves/edit/Markierung.h"
#include "curves/model/Kurvensitzung.h"
#include "widgets/Editorwerkzeuge.h"

namespace curves::gui {

class Kurvenpanel;

class Kurvenwerkzeuge : public widgets::Sitzungswerkzeuge<Kurvenpanel, Kurvensitzung> {
 public:
  using Sitzungswerkzeuge::Sitzungswerkzeuge;

  void ZugBeginnen(double breitePx, double hoehePx) override;
  void Vorschau(double x, double y, bool erste) override;
  void Uebernehmen(double x, double y) override;

 private:
  void MarkeZuruecknehmen() override;
  void Abgebrochen() override;
  void SichtBewegen(double x, double schritte, bool zoom) override;

  Markierung markeVorDemZug_;
};

}  // namespace curves::gui
