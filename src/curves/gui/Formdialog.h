// "Insert shape…" of the curve window: the kind, its parameters, the error bound and how
// levels are given; while the operator types, the shape is computed and drawn in the graph
// over the range it replaces, with its point count, largest error and memory. OK puts it
// into the current curve as one undo step; Cancel or Escape leaves everything as it was.
#pragma once

#include <QDialog>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "curves/shapes/Formbereich.h"
#include "curves/shapes/Formen.h"

class QCheckBox;
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

namespace curves::gui {

class Formdialog : public QDialog {
  Q_OBJECT
 public:
  Formdialog(QWidget* parent, widgets::Kurvengrafik& grafik, Kurvensitzung& sitzung);
  ~Formdialog() override;

  // Opens the dialog over the session's mark and runs it; true when a shape went in.
  bool Ausfuehren();

  QComboBox* Artliste() const { return art_; }
  // The field of a parameter of the chosen kind, nullptr for another name.
  QLineEdit* Parameterfeld(const QString& name) const;
  QDoubleSpinBox* Fehlerfeld() const { return fehler_; }
  QCheckBox* Rohfeld() const { return roh_; }
  QLabel* Berichtfeld() const { return bericht_; }
  QLabel* Meldungsfeld() const { return meldung_; }
  QPushButton* OkKnopf() const;
  // The shape as last computed, if it would go in.
  const std::optional<Form>& Vorschauform() const { return form_; }
  // Computes at once what a pending edit would compute shortly after.
  void JetztBerechnen();

 private:
  void ArtGewaehlt();
  void BerechnenPlanen();
  void Berechnen();
  void VorschauZeigen(const std::vector<Kurvenpunkt>& punkte, int erster, int anzahl);
  void VorschauLoeschen();
  void MeldungZeigen(const QString& text, bool fehler);
  void Uebernehmen();
  // Example values for the kind's levels and times, so the preview shows at once.
  std::string Beispielwert(const std::string& art, const std::string& name) const;

  widgets::Kurvengrafik& grafik_;
  Kurvensitzung& sitzung_;
  Formbereich bereich_;
  QComboBox* art_;
  QFormLayout* parameterLayout_;
  std::map<std::string, QLineEdit*> felder_;
  QDoubleSpinBox* fehler_;
  QCheckBox* roh_;
  QLabel* bereichText_;
  QLabel* bericht_;
  QLabel* meldung_;
  QDialogButtonBox* knoepfe_;
  QTimer* verzoegerung_;
  std::optional<Form> form_;
  // What each kind's fields held when another kind was chosen.
  std::map<std::string, std::map<std::string, QString>> gemerkt_;
};

}  // namespace curves::gui
