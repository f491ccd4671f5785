#include "characteristic/gui/Kennlfunktionsdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "widgets/Kurvengrafik.h"

namespace characteristic::gui {

namespace {
// The formula is evaluated at every input step: compute once the typing pauses.
constexpr int kVerzoegerungMs = 200;
}  // namespace

Kennlfunktionsdialog::Kennlfunktionsdialog(QWidget* parent, widgets::Kurvengrafik& grafik,
                                           Kennlfunktionsziel ziel)
    : QDialog(parent), grafik_(grafik), ziel_(std::move(ziel)) {
  setObjectName("KENNLFUNKTIONSDIALOG");
  setWindowTitle("Insert function");
  auto* layout = new QVBoxLayout(this);
  auto* kopf = new QFormLayout;
  art_ = new QComboBox(this);
  for (const std::string& a : Kennlfunktionsarten()) art_->addItem(QString::fromStdString(a));
  kopf->addRow("Function y = f(x)", art_);
  layout->addLayout(kopf);
  parameterLayout_ = new QFormLayout;
  layout->addLayout(parameterLayout_);
  auto* unten = new QFormLayout;
  fehler_ = new QDoubleSpinBox(this);
  fehler_->setRange(0.5, 4095.0);
  fehler_->setDecimals(1);
  fehler_->setSingleStep(0.5);
  fehler_->setValue(1.0);
  fehler_->setSuffix(" codes");
  unten->addRow("Max. error", fehler_);
  layout->addLayout(unten);
  auto* hinweis = new QLabel("x and y in raw codes (0 ... 4095)", this);
  layout->addWidget(hinweis);
  bereichText_ = new QLabel(this);
  bericht_ = new QLabel(this);
  meldung_ = new QLabel(this);
  meldung_->setWordWrap(true);
  layout->addWidget(bereichText_);
  layout->addWidget(bericht_);
  layout->addWidget(meldung_);
  knoepfe_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(knoepfe_);
  connect(knoepfe_, &QDialogButtonBox::accepted, this, &Kennlfunktionsdialog::Uebernehmen);
  connect(knoepfe_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  verzoegerung_ = new QTimer(this);
  verzoegerung_->setSingleShot(true);
  verzoegerung_->setInterval(kVerzoegerungMs);
  connect(verzoegerung_, &QTimer::timeout, this, &Kennlfunktionsdialog::Berechnen);
  connect(art_, &QComboBox::currentIndexChanged, this, &Kennlfunktionsdialog::ArtGewaehlt);
  connect(fehler_, &QDoubleSpinBox::valueChanged, this, [this] {
    OkKnopf()->setEnabled(false);
    verzoegerung_->start();
  });
  ArtGewaehlt();
}

QLineEdit* Kennlfunktionsdialog::Parameterfeld(const QString& name) const {
  const auto f = felder_.find(name.toStdString());
  return f == felder_.end() ? nullptr : f->second;
}

QPushButton* Kennlfunktionsdialog::OkKnopf() const {
  return knoepfe_->button(QDialogButtonBox::Ok);
}

void Kennlfunktionsdialog::ArtGewaehlt() {
  while (parameterLayout_->rowCount() > 0) parameterLayout_->removeRow(0);
  felder_.clear();
  for (const auto& [name, vorgabe] : KennlfunktionsParameter(art_->currentText().toStdString())) {
    auto* feld = new QLineEdit(QString::fromStdString(vorgabe), this);
    connect(feld, &QLineEdit::textChanged, this, [this] {
      OkKnopf()->setEnabled(false);
      verzoegerung_->start();
    });
    parameterLayout_->addRow(QString::fromStdString(name), feld);
    felder_[name] = feld;
  }
  OkKnopf()->setEnabled(false);
  verzoegerung_->start();
}

void Kennlfunktionsdialog::JetztBerechnen() {
  verzoegerung_->stop();
  Berechnen();
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
    grafik_.VerschiebeVorschau(false);
    bericht_->clear();
    meldung_->setText(QString::fromStdString(meldung));
    meldung_->setStyleSheet("color: #b00000;");
    OkKnopf()->setEnabled(false);
    return;
  }
  bericht_->setText(QString("%1 points, largest error %2 codes")
                        .arg(e.Punktanzahl)
                        .arg(e.GroessterFehler, 0, 'f', 2));
  QString warnungen;
  for (const std::string& w : e.Warnungen)
    warnungen += (warnungen.isEmpty() ? "" : "\n") + QString::fromStdString(w);
  meldung_->setText(warnungen);
  meldung_->setStyleSheet("color: #8a5a00;");
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
  grafik_.VerschiebeVorschau(true, linie, linie.back());
  ergebnis_ = std::move(e);
  OkKnopf()->setEnabled(true);
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
  const int ergebnis = exec();
  verzoegerung_->stop();
  grafik_.VerschiebeVorschau(false);
  return ergebnis == QDialog::Accepted;
}

}  // namespace characteristic::gui
