// "Import CSV...": sampled data from a CSV file, shown before they change the curve. The
// dialog names the dialect found, lets the operator choose the time and value columns and
// the tolerance, and draws the lines over the samples with their point count and the
// largest deviation. OK puts the lines in place of the edited curve or of its mark, as one
// undo step; Cancel changes nothing. A refusal of the file or of a choice is the core's
// message; the dialog then offers no OK until a choice is taken.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "curves/files/Csvimport.h"

class QComboBox;
class QCustomPlot;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QRadioButton;

namespace curves {
struct Kurvensitzung;
}

namespace curves::gui {

class CsvImportdialog : public QDialog {
  Q_OBJECT
 public:
  CsvImportdialog(QWidget* parent, Kurvensitzung& sitzung, std::string pfad);

  // Reads the file with the columns chosen and simplifies it; 0 or the core's code (its
  // message shown). The dialog shows the result, or the refusal.
  int Einlesen();
  // The lines for the tolerance chosen, from the samples already read.
  int Naehern();

  const std::vector<Kurvenpunkt>& Punkte() const { return punkte_; }
  const Naeherungsbericht& Bericht() const { return naeherung_; }
  const Csvreihe& Reihe() const { return reihe_; }

  // For tests.
  QComboBox* Zeitspalte() const { return zeitspalte_; }
  QComboBox* Wertspalte() const { return wertspalte_; }
  QDoubleSpinBox* Toleranz() const { return toleranz_; }
  QRadioButton* Ersetzen() const { return ersetzen_; }
  QRadioButton* AnMarkierung() const { return anMarkierung_; }
  QLabel* Dialekt() const { return dialekt_; }
  QLabel* Ergebnis() const { return ergebnis_; }
  QCustomPlot* Vorschau() const { return vorschau_; }
  QDialogButtonBox* Knoepfe() const { return knoepfe_; }

 public slots:
  void accept() override;

 private:
  void SpaltenFuellen();
  void VorschauZeichnen();
  void Abgelehnt();

  Kurvensitzung& sitzung_;
  std::string pfad_;
  Csvreihe reihe_;
  std::vector<double> codes_;
  int abgeschnitten_ = 0;
  bool volt_ = false;
  std::vector<Kurvenpunkt> punkte_;
  Naeherungsbericht naeherung_;
  bool gueltig_ = false;
  bool imFuellen_ = false;

  QLabel* dialekt_;
  QComboBox* zeitspalte_;
  QComboBox* wertspalte_;
  QDoubleSpinBox* toleranz_;
  QRadioButton* ersetzen_;
  QRadioButton* anMarkierung_;
  QCustomPlot* vorschau_;
  QLabel* ergebnis_;
  QDialogButtonBox* knoepfe_;
};

}  // namespace curves::gui
