// The measurements of the curve window: the cursor pair on the large graph, reading the
// output the device produces at each cursor, and the readout of the mark in the status
// bar (its extent and the statistics of the output over it). Both follow every full
// redraw of the graph, so an edit, a new curve or a new scaling shows in them at once.
#pragma once

#include <QObject>
#include <QString>

#include "curves/measure/Messung.h"
#include "curves/model/Kurvensitzung.h"

class QLabel;
namespace widgets {
class Cursorpaar;
}

namespace curves::gui {

class Kurvenpanel;

// The readout box of the cursors and the mark's line, values in the output's unit.
QString CursorablesungText(const Cursorablesung& c, int gesetzt, const QString& einheit);
QString MarkierungsablesungText(const Ausgabestatistik& s, const QString& einheit);

class Kurvenmessung : public QObject {
  Q_OBJECT
 public:
  Kurvenmessung(Kurvenpanel& panel, Kurvensitzung& sitzung);

  widgets::Cursorpaar& Cursor() { return *cursor_; }
  // The mark's readout in the status bar; hidden while no mark is set.
  QLabel* Markierungsanzeige() const { return markierung_; }

 private:
  Ausgabeskalierung Skalierung() const;
  void MarkierungAnzeigen();

  Kurvensitzung& sitzung_;
  Ausgabeindex index_;         // of the current curve as last drawn
  bool indexVeraltet_ = true;  // the curve was drawn anew since the index was built
  widgets::Cursorpaar* cursor_ = nullptr;
  QLabel* markierung_;
};

}  // namespace curves::gui
