// What both editors' mouse tools share over their sessions: the state of a drag (whether
// the next movement starts a new mark, which point a move has picked), Escape taking back
// the drag of the select, draw and move tools, and the wheel's zoom and scroll with a
// redraw, through the session's editor interface. Each editor maps its tools to its core
// calls in Vorschau and Uebernehmen.
#pragma once

#include "common/Editorsitzung.h"
#include "widgets/Editorfenster.h"
#include "widgets/Editorwerkzeug.h"
#include "widgets/Grapheditor.h"
#include "widgets/Kurvengrafik.h"
#include "widgets/Werkzeugvorschau.h"

namespace widgets {

class Editorwerkzeuge : public Grapheditor {
 public:
  void ZugBeginnen(double breitePx, double hoehePx) override;
  bool ZugAbbrechbar() const override;
  void Abbrechen() override;
  void Rad(double x, double schritte, bool zoom) override;

 protected:
  // The window whose tool group and graph the tools work with.
  Editorwerkzeuge(Editorfenster& fenster, common::Editorsitzung& sitzung);

  // After Escape: whatever else the window shows of the drag.
  virtual void Abgebrochen() {}

  // The drags, with the session's core calls. Select: a press begins a new mark, a drag
  // moves its end, the release ends it.
  template <class S>
  void MarkeVorschauen(S& s, double x, void (*beginnen)(S&, double), void (*ziehen)(S&, double)) {
    if (neueMarkierung_) {
      beginnen(s, x);
      neueMarkierung_ = false;
    } else {
      ziehen(s, x);
    }
  }
  template <class S>
  void MarkeAbschliessen(S& s, double x, void (*abschliessen)(S&, double)) {
    abschliessen(s, x);
    neueMarkierung_ = true;
  }
  // Move: the first movement picks the point nearest the press; the preview and the
  // coordinates follow the mouse; the release puts the point there.
  template <class S, class V>
  void VerschiebenVorschauen(S& s, double x, double y, int (*naechster)(S&, double, double),
                             V (*vorschau)(S&, int, double, double)) {
    if (frischerZug_) {
      gewaehlterPunkt_ = naechster(s, x, y);
      frischerZug_ = false;
    }
    const V v = vorschau(s, gewaehlterPunkt_, x, y);
    fenster_.KoordinatenAnzeigen(v.X, v.Y);
    VerschiebevorschauZeigen(grafik_, v);
  }
  template <class S, class R>
  void VerschiebenAbschliessen(S& s, double x, double y,
                               R (*verschieben)(S&, int, double, double)) {
    grafik_.VerschiebeVorschau(false);
    if (!frischerZug_) verschieben(s, gewaehlterPunkt_, x, y);
    frischerZug_ = true;
  }

  Editorfenster& fenster_;
  Kurvengrafik& grafik_;
  common::Editorsitzung& editorsitzung_;
  bool neueMarkierung_ = true;  // select: the next movement starts a new mark
  bool frischerZug_ = true;     // move: the next movement picks a point
  int gewaehlterPunkt_ = 0;
};

// An editor's tools over its window F (with its dialogs, which open where the mouse is)
// and its session S.
template <class F, class S>
class Sitzungswerkzeuge : public Editorwerkzeuge {
 public:
  Sitzungswerkzeuge(F& fenster, S& sitzung)
      : Editorwerkzeuge(fenster, sitzung), p_(fenster), sitzung_(sitzung) {}

  void MausSetzen(QPoint maus) override { p_.Dialoge().MausSetzen(maus); }

 protected:
  F& p_;
  S& sitzung_;
};

}  // namespace widgets
