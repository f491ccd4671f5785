#include "characteristic/gui/Kennldialoge.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "characteristic/model/KennlKommentar.h"
#include "characteristic/model/Kennlinienmodell.h"
#include "ui_KENNLPUNKTPNL.h"
#include "ui_KOMM1PNL.h"
#include "widgets/Kurvengrafik.h"

namespace characteristic::gui {

namespace {

// Without a cancel button Escape and the close button must not end the dialog either:
// only OK does, so typed text is never lost by a stray key.
class OhneAbbruch : public QDialog {
 public:
  using QDialog::QDialog;
  void reject() override {}
};

constexpr double kFeldMax = 1e9;

}  // namespace

Kennldialoge::Kennldialoge(QWidget* fenster, widgets::Kurvengrafik& grafik)
    : grafik_(grafik),
      punkt_(new OhneAbbruch(fenster)),
      kommentar_(new OhneAbbruch(fenster)),
      punktUi_(new Ui::KENNLPUNKTPNL),
      kommentarUi_(new Ui::KOMM1PNL) {
  punktUi_->setupUi(punkt_);
  kommentarUi_->setupUi(kommentar_);
  for (auto [d, ok] : {std::pair{punkt_, punktUi_->OK}, std::pair{kommentar_, kommentarUi_->OK}}) {
    d->setModal(true);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
  }
  for (auto* feld : {punktUi_->XWERT, punktUi_->YWERT}) feld->setRange(-kFeldMax, kFeldMax);
  // The text box takes at most 999 characters.
  auto* text = kommentarUi_->TEXT;
  QObject::connect(text, &QPlainTextEdit::textChanged, text, [text] {
    const QString inhalt = text->toPlainText();
    if (inhalt.size() <= kKommentarZeichen) return;
    QTextCursor c = text->textCursor();
    const int pos = std::min<int>(c.position(), kKommentarZeichen);
    text->setPlainText(inhalt.left(kKommentarZeichen));
    c = text->textCursor();
    c.setPosition(pos);
    text->setTextCursor(c);
  });
}

Kennldialoge::~Kennldialoge() = default;

KennlPunktfelder Kennldialoge::Zeigen(int punktIndex, const KennlPunktfelder& felder) {
  auto& u = *punktUi_;
  if (punktIndex >= 0 && punktIndex < gKennl.Kennl.Punktanzahl())
    grafik_.PunktHervorheben(true, KennlPunktX(punktIndex),
                             gKennl.Kennl.Punkte[static_cast<std::size_t>(punktIndex)].Y);
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
  auto& u = *kommentarUi_;
  kommentar_->setWindowTitle("Comment - characteristic curve");
  u.TEXT->setPlainText(QString::fromLatin1(kommentar));
  kommentar_->exec();
  const std::string neu = u.TEXT->toPlainText().left(kKommentarZeichen).toLatin1().toStdString();
  kommentar_->hide();
  return neu;
}

}  // namespace characteristic::gui
