#include "widgets/Vorschaudialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "widgets/Kurvengrafik.h"

namespace widgets {

namespace {
// Long shapes and formulas take a moment: compute once the typing pauses.
constexpr int kVerzoegerungMs = 200;
}  // namespace

Vorschaudialog::Vorschaudialog(QWidget* parent, Kurvengrafik& grafik, const QString& titel,
                               const QString& artText, const std::vector<std::string>& arten)
    : QDialog(parent), grafik_(grafik) {
  setWindowTitle(titel);
  auto* layout = new QVBoxLayout(this);
  auto* kopf = new QFormLayout;
  art_ = new QComboBox(this);
  for (const std::string& a : arten) art_->addItem(QString::fromStdString(a));
  kopf->addRow(artText, art_);
  layout->addLayout(kopf);
  parameterLayout_ = new QFormLayout;
  layout->addLayout(parameterLayout_);

  unten_ = new QFormLayout;
  fehler_ = new QDoubleSpinBox(this);
  fehler_->setRange(0.5, 4095.0);
  fehler_->setDecimals(1);
  fehler_->setSingleStep(0.5);
  fehler_->setValue(1.0);
  fehler_->setSuffix(" codes");
  unten_->addRow("Max. error", fehler_);
  layout->addLayout(unten_);

  bereichText_ = new QLabel(this);
  bericht_ = new QLabel(this);
  meldung_ = new QLabel(this);
  meldung_->setWordWrap(true);
  layout->addWidget(bereichText_);
  layout->addWidget(bericht_);
  layout->addWidget(meldung_);
  knoepfe_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(knoepfe_);
  verzoegerung_ = new QTimer(this);
  verzoegerung_->setSingleShot(true);
  verzoegerung_->setInterval(kVerzoegerungMs);
}

void Vorschaudialog::Starten() {
  connect(knoepfe_, &QDialogButtonBox::accepted, this, [this] { Uebernehmen(); });
  connect(knoepfe_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(verzoegerung_, &QTimer::timeout, this, [this] { Berechnen(); });
  connect(art_, &QComboBox::currentIndexChanged, this, [this] { ArtGewaehlt(); });
  connect(fehler_, &QDoubleSpinBox::valueChanged, this, &Vorschaudialog::BerechnenPlanen);
  ArtGewaehlt();
}

QLineEdit* Vorschaudialog::Parameterfeld(const QString& name) const {
  const auto f = felder_.find(name.toStdString());
  return f == felder_.end() ? nullptr : f->second;
}

QPushButton* Vorschaudialog::OkKnopf() const {
  return knoepfe_->button(QDialogButtonBox::Ok);
}

void Vorschaudialog::ParameterfelderLeeren() {
  while (parameterLayout_->rowCount() > 0) parameterLayout_->removeRow(0);
  felder_.clear();
}

QLineEdit* Vorschaudialog::ParameterfeldAnlegen(const std::string& name, const QString& text) {
  auto* feld = new QLineEdit(text, this);
  connect(feld, &QLineEdit::textChanged, this, &Vorschaudialog::BerechnenPlanen);
  parameterLayout_->addRow(QString::fromStdString(name), feld);
  felder_[name] = feld;
  return feld;
}

void Vorschaudialog::BerechnenPlanen() {
  OkKnopf()->setEnabled(false);
  verzoegerung_->start();
}

void Vorschaudialog::JetztBerechnen() {
  verzoegerung_->stop();
  Berechnen();
}

void Vorschaudialog::MeldungZeigen(const QString& text, bool fehler) {
  meldung_->setText(text);
  meldung_->setStyleSheet(fehler ? "color: #b00000;" : "color: #8a5a00;");
}

void Vorschaudialog::Ablehnen(const std::string& meldung) {
  grafik_.VerschiebeVorschau(false);
  bericht_->clear();
  MeldungZeigen(QString::fromStdString(meldung), true);
  OkKnopf()->setEnabled(false);
}

void Vorschaudialog::Annehmen(const QString& bericht, const std::vector<std::string>& warnungen,
                              const std::vector<QPointF>& linie) {
  bericht_->setText(bericht);
  QString text;
  for (const std::string& w : warnungen)
    text += (text.isEmpty() ? "" : "\n") + QString::fromStdString(w);
  MeldungZeigen(text, false);
  grafik_.VerschiebeVorschau(true, linie, linie.back());
  OkKnopf()->setEnabled(true);
}

bool Vorschaudialog::Zeigen() {
  const int ergebnis = exec();
  verzoegerung_->stop();
  grafik_.VerschiebeVorschau(false);
  return ergebnis == QDialog::Accepted;
}

}  // namespace widgets
