// What the editors' insert dialogs share ("Insert shape…", "Insert function…"): a kind
// list, the chosen kind's parameter fields, the error bound, the range, report and message
// lines and OK/Cancel. While the operator types, the result is computed shortly after the
// last key and previewed in the graph; OK stays off until a computation succeeds, and the
// preview goes when the dialog ends.
#pragma once

#include <QDialog>
#include <QPointF>
#include <QString>
#include <map>
#include <string>
#include <vector>

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

class Vorschaudialog : public QDialog {
  Q_OBJECT
 public:
  QComboBox* Artliste() const { return art_; }
  // The field of a parameter of the chosen kind, nullptr for another name.
  QLineEdit* Parameterfeld(const QString& name) const;
  QDoubleSpinBox* Fehlerfeld() const { return fehler_; }
  QLabel* Berichtfeld() const { return bericht_; }
  QLabel* Meldungsfeld() const { return meldung_; }
  QPushButton* OkKnopf() const;
  // Computes at once what a pending edit would compute shortly after.
  void JetztBerechnen();

 protected:
  // The kinds stand in a list labelled artText; Starten at the end of the derived
  // constructor shows the first kind's fields.
  Vorschaudialog(QWidget* parent, Kurvengrafik& grafik, const QString& titel,
                 const QString& artText, const std::vector<std::string>& arten);
  void Starten();

  // The chosen kind's fields: the old ones go, then one field a parameter.
  void ParameterfelderLeeren();
  QLineEdit* ParameterfeldAnlegen(const std::string& name, const QString& text);
  void BerechnenPlanen();
  void MeldungZeigen(const QString& text, bool fehler);
  // A refused computation: no preview and no report, the reason in red, OK off.
  void Ablehnen(const std::string& meldung);
  // A result: its report, its warnings, its line previewed in the graph, OK on.
  void Annehmen(const QString& bericht, const std::vector<std::string>& warnungen,
                const std::vector<QPointF>& linie);
  // Runs the dialog; true when OK ended it. The pending computation and the preview end
  // with it.
  bool Zeigen();

  virtual void ArtGewaehlt() = 0;
  // The result of the fields: previewed and OK on, or the refusal in the message line.
  virtual void Berechnen() = 0;
  // OK: puts the result in and accepts, or tells why not.
  virtual void Uebernehmen() = 0;

  Kurvengrafik& grafik_;
  QComboBox* art_;
  QFormLayout* parameterLayout_;
  QFormLayout* unten_;  // under the error bound: room for a kind's own options
  std::map<std::string, QLineEdit*> felder_;
  QDoubleSpinBox* fehler_;
  QLabel* bereichText_;
  QLabel* bericht_;
  QLabel* meldung_;
  QDialogButtonBox* knoepfe_;
  QTimer* verzoegerung_;
};

}  // namespace widgets
