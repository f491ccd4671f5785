#include "curves/gui/Kurvendialoge.h"

#include <QDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "curves/model/Kurvenmodell.h"
#include "ui_KGERADEPNL.h"
#include "ui_KPUNKTPNL.h"
#include "widgets/Editordialog.h"
#include "widgets/Kommentardialog.h"
#include "widgets/Kurvengrafik.h"

namespace curves::gui {

namespace {

template <class U>
void ZeitfelderSetzen(U& u, const Zeitfelder& f) {
  u.STUNDEN->setValue(f.Stunden);
  u.MINUTEN->setValue(f.Minuten);
  u.SEKUNDEN->setValue(f.Sekunden);
  u.MILLISEKUNDEN->setValue(f.Millisekunden);
}

template <class U>
Zeitfelder ZeitfelderLesen(U& u) {
  return {u.STUNDEN->value(), u.MINUTEN->value(), u.SEKUNDEN->value(), u.MILLISEKUNDEN->value()};
}

}  // namespace

QString KommentarVorschau(const std::string& kommentar) {
  return QString::fromLatin1(kommentar.substr(0, kVorschauZeichen));
}

Kurvendialoge::Kurvendialoge(QWidget* fenster, widgets::Kurvengrafik& grafik,
                             Kurvensitzung& sitzung)
    : fenster_(fenster),
      sitzung_(sitzung),
      grafik_(grafik),
      punkt_(new QDialog(fenster)),
      gerade_(new QDialog(fenster)),
      punktUi_(new Ui::KPUNKTPNL),
      geradeUi_(new Ui::KGERADEPNL),
      kommentar_(std::make_unique<widgets::Kommentardialog>(fenster)) {
  punktUi_->setupUi(punkt_);
  geradeUi_->setupUi(gerade_);
  widgets::DialogEinrichten(punkt_, punktUi_->OK);
  widgets::DialogEinrichten(gerade_, geradeUi_->OK);
}

Kurvendialoge::~Kurvendialoge() = default;

void Kurvendialoge::AnMausPlatzieren(QDialog* d) {
  QWidget* graph = grafik_.Graph();
  const QPoint oben = graph->mapToGlobal(QPoint(maus_.x(), maus_.y() + 20));
  d->move(oben);
}

Punktfelder Kurvendialoge::Punktdialog(int punktIndex, const Punktfelder& felder,
                                       const std::string& yEinheit) {
  auto& u = *punktUi_;
  const Kurve& k = AktuelleKurveDaten(sitzung_);
  const bool gueltig = punktIndex >= 0 && punktIndex < k.Punktanzahl();
  if (gueltig)
    grafik_.PunktHervorheben(true, PunktStartzeit(k, punktIndex), k.Punkte[punktIndex].Y);
  punkt_->setWindowTitle(QString("Point %1").arg(punktIndex + 1));
  u.LABEL_YWERT->setText(QString::fromStdString(yEinheit));
  ZeitfelderSetzen(u, felder.Zeit);
  u.YWERT->setValue(felder.Y);
  // The field keeps only the decimals it shows: left as shown, it stands for the exact
  // value, so OK without an edit does not move the point (small units lose whole codes).
  const double yGezeigt = u.YWERT->value();
  AnMausPlatzieren(punkt_);
  // Escape or the title bar's close leave it as OK with the fields unchanged would.
  const bool ok = punkt_->exec() == QDialog::Accepted;
  Punktfelder neu{ZeitfelderLesen(u), u.YWERT->value()};
  if (neu.Y == yGezeigt) neu.Y = felder.Y;
  punkt_->hide();
  grafik_.PunktHervorheben(false);
  return ok ? neu : felder;
}

Zeitfelder Kurvendialoge::Geradendialog(int linienIndex, const Zeitfelder& felder) {
  auto& u = *geradeUi_;
  const Kurve& k = AktuelleKurveDaten(sitzung_);
  if (linienIndex >= 0 && linienIndex + 1 < k.Punktanzahl())
    grafik_.GeradeHervorheben(true, PunktStartzeit(k, linienIndex), k.Punkte[linienIndex].Y,
                              PunktStartzeit(k, linienIndex + 1), k.Punkte[linienIndex + 1].Y);
  gerade_->setWindowTitle(QString("Straight line %1").arg(linienIndex + 1));
  ZeitfelderSetzen(u, felder);
  AnMausPlatzieren(gerade_);
  const bool ok = gerade_->exec() == QDialog::Accepted;
  Zeitfelder neu = ZeitfelderLesen(u);
  gerade_->hide();
  grafik_.GeradeHervorheben(false);
  return ok ? neu : felder;
}

int Kurvendialoge::ZeitbasisMenue(int aktuellerCode) {
  QMenu menue(fenster_);
  menue.setTitle("Timebase");
  menue.addSection("Timebase");
  for (int code : kZeitbasisListe) {
    QAction* a = menue.addAction(QString::fromLatin1(ZeitbasisName(code)));
    a->setData(code);
    a->setCheckable(true);
    a->setChecked(code == aktuellerCode);
  }
  offenesMenue_ = &menue;
  QAction* gewaehlt = menue.exec(grafik_.Graph()->mapToGlobal(QPoint(maus_.x() - 40, maus_.y())));
  offenesMenue_ = nullptr;
  return gewaehlt ? gewaehlt->data().toInt() : 0;
}

std::string Kurvendialoge::Kommentardialog(int kurve, const std::string& kommentar) {
  return kommentar_->Zeigen(QString("Comment - curve %1").arg(kurve + 1), kommentar);
}

QDialog* Kurvendialoge::Kommentarfenster() const {
  return kommentar_->Fenster();
}

Ui::KOMM1PNL& Kurvendialoge::KommentarUi() {
  return kommentar_->Ui();
}

}  // namespace curves::gui
