// The curve window's mouse tools on its graph: what each tool previews while the button
// is down and does at the release, with the session's core functions, and the wheel's zoom
// and scroll. The graph-editor mouse filter of the shared kit calls them; the window keeps
// the tool choice.
#pragma once

#include "curves/edit/Markierung.h"
#include "curves/model/Kurvensitzung.h"
#include "widgets/Grapheditor.h"

namespace curves::gui {

class Kurvenpanel;

class Kurvenwerkzeuge : public widgets::Grapheditor {
 public:
  Kurvenwerkzeuge(Kurvenpanel& panel, Kurvensitzung& sitzung);

  void ZugBeginnen(double breitePx, double hoehePx) override;
  void MausSetzen(QPoint maus) override;
  bool ZugAbbrechbar() const override;
  void Vorschau(double x, double y, bool erste) override;
  void Uebernehmen(double x, double y) override;
  void Abbrechen() override;
  void Rad(double x, double schritte, bool zoom) override;

 private:
  Kurvenpanel& p_;
  Kurvensitzung& sitzung_;
  Markierung markeVorDemZug_;
  bool erstesDruecken_ = true;  // Select tool: the next drag starts a new mark
  bool frischerZug_ = true;     // Move tool: the next drag picks a point
  int gewaehlterPunkt_ = 0;
};

}  // namespace curves::gui
