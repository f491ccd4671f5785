// "Insert function…" of the characteristic window: a function y = f(x) over the mark's X
// range (the whole input without a mark), the same dialog as the curve window's shapes:
// kind, parameters in raw codes, the error bound, a live preview in the graph, the point
// count and largest error; OK puts it in as one undo step, Cancel or Escape changes nothing.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "characteristic/edit/KennlFunktion.h"

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace widgets {
class Kurvengrafik;
}

namespace characteristic::gui {

// What the dialog works on: the characteristic's points, its mark, and the undo snapshot
// taken before the points change.
struct Kennlfunktionsziel {
  std::vector<Kennlinienpunkt>& Punkte;
  const Markierung& Mark;
  std::function<void()> Sichern;
};

class Kennlfunktionsdialog : public QDialog {
  Q_OBJECT
 public:
  Kennlfunktionsdialog(QWidget* parent, widgets::Kurvengrafik& grafik, Kennlfunktionsziel ziel);

  // Runs the dialog over the mark; true when the function went in.
  bool Ausfuehren();

  QComboBox* Artliste() const { return art_; }
  QLineEdit* Parameterfeld(const QString& name) const;
  QDoubleSpinBox* Fehlerfeld() const { return fehler_; }
  QLabel* Berichtfeld() const { return bericht_; }
  QLabel* Meldungsfeld() const { return meldung_; }
  QPushButton* OkKnopf() const;
  void JetztBerechnen();

 private:
  void ArtGewaehlt();
  void Berechnen();
  void Uebernehmen();

  widgets::Kurvengrafik& grafik_;
  Kennlfunktionsziel ziel_;
  int von_ = 0, bis_ = kRohMax;
  QComboBox* art_;
  QFormLayout* parameterLayout_;
  std::map<std::string, QLineEdit*> felder_;
  QDoubleSpinBox* fehler_;
  QLabel* bereichText_;
  QLabel* bericht_;
  QLabel* meldung_;
  QDialogButtonBox* knoepfe_;
  QTimer* verzoegerung_;
  std::optional<Kennlfunktionsergebnis> ergebnis_;
};

}  // namespace characteristic::gui
