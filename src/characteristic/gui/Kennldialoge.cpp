#include "characteristic/gui/Kennldialoge.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "characteristic/model/KennlKommentar.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "ui_KENNLPUNKTPNL.h"
#include "widgets/Editordialog.h"
#include "widgets/Kommentardialog.h"
#include "widgets/Kurvengrafik.h"

namespace characteristic::gui {

namespace {

constexpr double kFeldMax = 1e9;

}  // namespace

Kennldialoge::Kennldialoge(QWidget* fenster, widgets::Kurvengrafik& grafik,
                           Kennliniensitzung& sitzung)
    : grafik_(grafik),
      sitzung_(sitzung),
      punkt_(new widgets::OhneAbbruchDialog(fenster)),
      punktUi_(new Ui::KENNLPUNKTPNL),
      kommentar_(std::make_unique<widgets::Kommentardialog>(fenster)) {
  punktUi_->setupUi(punkt_);
  widgets::DialogEinrichten(punkt_, punktUi_->OK);
  for (auto* feld : {punktUi_->XWERT, punktUi_->YWERT}) feld->setRange(-kFeldMax, kFeldMax);
}

Kennldialoge::~Kennldialoge() = default;

KennlPunktfelder Kennldialoge::Zeigen(int punktIndex, const KennlPunktfelder& felder) {
  auto& u = *punktUi_;
  if (punktIndex >= 0 && punktIndex < sitzung_.gKennl.Kennl.Punktanzahl())
    grafik_.PunktHervorheben(true, KennlPunktX(sitzung_, punktIndex),
                             sitzung_.gKennl.Kennl.Punkte[static_cast<std::size_t>(punktIndex)].Y);
  punkt_->setWindowTitle(QString("Point %1").arg(punktIndex + 1));
  u.XWERT->setValue(felder.X);
  u.YWERT->setValue(felder.Y);
  // A field keeps only the decimals it shows: left as shown, it stands for the exact value,
  // so OK without an edit does not move the point.
  const double xGezeigt = u.XWERT->value();
  const double yGezeigt = u.YWERT->value();
  punkt_->move(grafik_.Graph()->mapToGlobal(QPoint(maus_.x(), maus_.y() + 20)));
  punkt_->exec();
  KennlPunktfelder neu{u.XWERT->value(), u.YWERT->value()};
  if (neu.X == xGezeigt) neu.X = felder.X;
  if (neu.Y == yGezeigt) neu.Y = felder.Y;
  punkt_->hide();
  grafik_.PunktHervorheben(false);
  return neu;
}

std::string Kennldialoge::Kommentardialog(const std::string& kommentar) {
  return kommentar_->Zeigen("Comment - characteristic curve", kommentar);
}

QDialog* Kennldialoge::Kommentarfenster() const {
  return kommentar_->Fenster();
}

Ui::KOMM1PNL& Kennldialoge::KommentarUi() {
  return kommentar_->Ui();
}

}  // namespace characteristic::gui
