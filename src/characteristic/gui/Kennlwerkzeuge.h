// The characteristic window's mouse tools on its graph: what each tool previews while the
// button is down and does at the release, with the session's core functions, and the
// wheel's zoom and scroll. The graph-editor mouse filter of the shared kit calls them; the
// window keeps the tool choice.
#pragma once

#include "characteristic/model/Kennliniensitzung.h"
#include "widgets/Grapheditor.h"

namespace characteristic::gui {

class Kennlinienpanel;

class Kennlwerkzeuge : public widgets::Grapheditor {
 public:
  Kennlwerkzeuge(Kennlinienpanel& panel, Kennliniensitzung& sitzung);

  void ZugBeginnen(double breitePx, double hoehePx) override;
  void MausSetzen(QPoint maus) override;
  bool ZugAbbrechbar() const override;
  void Vorschau(double x, double y, bool erste) override;
  void Uebernehmen(double x, double y) override;
  void Abbrechen() override;
  void Rad(double x, double schritte, bool zoom) override;

 private:
  Kennlinienpanel& p_;
  Kennliniensitzung& sitzung_;
  Markierung markeVorDemZug_;
  bool neueMarkierung_ = true;  // Selection: the next movement starts a new mark
  bool frischerZug_ = true;     // Move: the next movement picks a point
  int gewaehlterPunkt_ = 0;
};

}  // namespace characteristic::gui
