#include "characteristic/gui/Kennlfunktionsdialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "widgets/Kurvengrafik.h"

namespace characteristic::gui {

Kennlfunktionsdialog::Kennlfunktionsdialog(QWidget* parent, widgets::Kurvengrafik& grafik,
                                           Kennlfunktionsziel ziel)
    : Vorschaudialog(parent, grafik, "Insert function", "Function y = f(x)", Kennlfunktionsarten()),
      ziel_(std::move(ziel)) {
  setObjectName("KENNLFUNKTIONSDIALOG");
  // Under the error bound, before the range.
  static_cast<QVBoxLayout*>(layout())->insertWidget(
      3, new QLabel("x and y in raw codes (0 ... 4095)", this));
  Starten();
}

void Kennlfunktionsdialog::ArtGewaehlt() {
  ParameterfelderLeeren();
  for (const auto& [name, vorgabe] : KennlfunktionsParameter(art_->currentText().toStdString()))
    ParameterfeldAnlegen(name, QString::fromStdString(vorgabe));
  BerechnenPlanen();
}

void Kennlfunktionsdialog::Berechnen() {
  Kennlfunktionsauftrag a;
  a.Art = art_->currentText().toStdString();
  for (const auto& [name, feld] : felder_)
    if (!feld->text().trimmed().isEmpty())
      a.Parameter.push_back({name, feld->text().trimmed().toStdString()});
  a.MaxFehler = fehler_->value();
  a.Von = von_;
  a.Bis = bis_;
  Kennlfunktionsergebnis e;
  std::string meldung;
  if (KennlFunktionBerechnen(ziel_.Punkte, a, e, meldung)) {
    ergebnis_.reset();
    Ablehnen(meldung);
    return;
  }
  // The function's points with the lines into and out of it.
  std::vector<QPointF> linie;
  double x = 0.0;
  const int erster = std::max(e.ErsterPunkt - 1, 0);
  const int letzter =
      std::min(e.ErsterPunkt + e.Punktanzahl, static_cast<int>(e.Punkte.size()) - 1);
  for (int i = 0; i <= letzter; ++i) {
    if (i >= erster) linie.emplace_back(x, e.Punkte[i].Y);
    x += e.Punkte[i].Laenge;
  }
  Annehmen(QString("%1 points, largest error %2 codes")
               .arg(e.Punktanzahl)
               .arg(e.GroessterFehler, 0, 'f', 2),
           e.Warnungen, linie);
  ergebnis_ = std::move(e);
}

void Kennlfunktionsdialog::Uebernehmen() {
  JetztBerechnen();
  if (!ergebnis_) return;
  if (ziel_.Sichern) ziel_.Sichern();
  ziel_.Punkte = std::move(ergebnis_->Punkte);
  accept();
}

bool Kennlfunktionsdialog::Ausfuehren() {
  const Markierung& m = ziel_.Mark;
  von_ = 0;
  bis_ = kRohMax;
  if (m.Aktiv && m.Ende >= 0.0) {
    von_ = std::clamp(static_cast<int>(std::lround(std::min(m.Start, m.Ende))), 0, kRohMax);
    bis_ = std::clamp(static_cast<int>(std::lround(std::max(m.Start, m.Ende))), 0, kRohMax);
  }
  bereichText_->setText(QString("x from %1 to %2").arg(von_).arg(bis_));
  JetztBerechnen();
  return Zeigen();
}

}  // namespace characteristic::gui
