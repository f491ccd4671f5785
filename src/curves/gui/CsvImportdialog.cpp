#include "curves/gui/CsvImportdialog.h"

#include <qcustomplot.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/OperatorInterface.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/shapes/PunkteEinsetzen.h"
#include "device/Fehler.h"

namespace curves::gui {
namespace {

// Without a header row the file does not say how many columns it has: as many as
// instruments write.
constexpr int kSpaltenOhneKopf = 8;

}  // namespace

CsvImportdialog::CsvImportdialog(QWidget* parent, Kurvensitzung& sitzung, std::string pfad)
    : QDialog(parent), sitzung_(sitzung), pfad_(std::move(pfad)) {
  setWindowTitle("Import CSV");
  setObjectName("CSVIMPORT");
  auto* layout = new QVBoxLayout(this);
  dialekt_ = new QLabel(this);
  dialekt_->setWordWrap(true);
  layout->addWidget(dialekt_);

  auto* felder = new QFormLayout;
  zeitspalte_ = new QComboBox(this);
  wertspalte_ = new QComboBox(this);
  toleranz_ = new QDoubleSpinBox(this);
  toleranz_->setRange(0.0, 4095.0);
  toleranz_->setDecimals(2);
  toleranz_->setSingleStep(0.5);
  toleranz_->setSuffix(" codes");
  // 0: the tolerance comes from the samples' noise.
  toleranz_->setSpecialValueText("from the noise");
  toleranz_->setValue(kNaeherungToleranzStandard);
  toleranz_->setKeyboardTracking(false);
  felder->addRow("Time column", zeitspalte_);
  felder->addRow("Value column", wertspalte_);
  felder->addRow("Tolerance", toleranz_);
  auto* ziel = new QHBoxLayout;
  ersetzen_ =
      new QRadioButton(QString("Replace curve %1").arg(sitzung_.gKurven.AktuelleKurve + 1), this);
  anMarkierung_ = new QRadioButton("Replace the mark", this);
  ersetzen_->setChecked(true);
  anMarkierung_->setEnabled(sitzung_.gMarkierung.Aktiv);
  ziel->addWidget(ersetzen_);
  ziel->addWidget(anMarkierung_);
  felder->addRow("Put in", ziel);
  layout->addLayout(felder);

  vorschau_ = new QCustomPlot(this);
  vorschau_->setObjectName("CSVVORSCHAU");
  vorschau_->setMinimumSize(560, 280);
  vorschau_->xAxis->setLabel("Time [s]");
  vorschau_->yAxis->setLabel(
      QString("Output [%1]").arg(QString::fromLatin1(Einheitname(sitzung_, 0).c_str())));
  auto* proben = vorschau_->addGraph();
  proben->setName("Samples");
  // A wide light band the thin lines run on: where they leave it, they miss the samples.
  proben->setPen(QPen(QColor(150, 150, 255), 4.0));
  auto* linien = vorschau_->addGraph();
  linien->setName("Lines");
  linien->setPen(QPen(QColor(0xFF, 0x00, 0x00), 1.0));
  vorschau_->legend->setVisible(true);
  layout->addWidget(vorschau_, 1);

  ergebnis_ = new QLabel(this);
  ergebnis_->setWordWrap(true);
  layout->addWidget(ergebnis_);
  knoepfe_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(knoepfe_);
  connect(knoepfe_, &QDialogButtonBox::accepted, this, &CsvImportdialog::accept);
  connect(knoepfe_, &QDialogButtonBox::rejected, this, &CsvImportdialog::reject);

  const auto neuLesen = [this] {
    if (!imFuellen_) Einlesen();
  };
  connect(zeitspalte_, &QComboBox::currentIndexChanged, this, neuLesen);
  connect(wertspalte_, &QComboBox::currentIndexChanged, this, neuLesen);
  connect(toleranz_, &QDoubleSpinBox::valueChanged, this, [this] {
    if (!reihe_.Zeit.empty()) Naehern();
  });
}

int CsvImportdialog::Einlesen() {
  Csvoptionen optionen;
  optionen.Zeitspalte = zeitspalte_->currentData().toString().toStdString();
  optionen.Wertspalte = wertspalte_->currentData().toString().toStdString();
  Csvreihe reihe;
  if (const int fehler = CsvLesen(pfad_, optionen, reihe)) {
    // The refusals of the file's content name their line; a file that cannot be opened
    // is told by its code.
    if (fehler == kFehlerCsvOeffnen || fehler == kFehlerAbtastreiheSpeicher)
      device::ZOR_Fehlerpopup(fehler);
    // The samples of the choice before do not stand for this one.
    reihe_ = Csvreihe{};
    codes_.clear();
    punkte_.clear();
    VorschauZeichnen();
    Abgelehnt();
    return fehler;
  }
  reihe_ = std::move(reihe);
  volt_ = CsvWerteInCodes(sitzung_.Konfig.gKonfig, reihe_, codes_, abgeschnitten_);
  SpaltenFuellen();
  const Csvdialekt& d = reihe_.Dialekt;
  dialekt_->setText(
      QString("Found: separator %1, decimal %2, %3 header row%4; time in %5, values in %6. "
              "%7 samples%8.")
          .arg(curves::Trennername(d.Trennzeichen), d.Dezimalzeichen == ',' ? "comma" : "point")
          .arg(d.Kopfzeilen)
          .arg(d.Kopfzeilen == 1 ? "" : "s")
          .arg(QString::fromStdString(reihe_.Zeiteinheit),
               volt_ ? QString::fromStdString(reihe_.Werteinheit) + " at the output"
               : reihe_.Werteinheit.empty()
                   ? QString("output 1's unit (%1)")
                         .arg(QString::fromLatin1(Einheitname(sitzung_, 0).c_str()))
                   : QString::fromStdString(reihe_.Werteinheit))
          .arg(reihe_.Zeit.size())
          .arg(abgeschnitten_ > 0 ? QString(", %1 clipped to the output range").arg(abgeschnitten_)
                                  : QString()));
  return Naehern();
}

int CsvImportdialog::Naehern() {
  std::vector<Kurvenpunkt> punkte;
  Naeherungsbericht bericht;
  if (const int fehler = AbtastwerteNaehern(reihe_.Zeit, codes_, reihe_.Zeile, toleranz_->value(),
                                            punkte, bericht)) {
    if (fehler == kFehlerAbtastreiheSpeicher) device::ZOR_Fehlerpopup(fehler);
    Abgelehnt();
    return fehler;
  }
  punkte_.swap(punkte);
  naeherung_ = bericht;
  gueltig_ = true;
  knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(true);
  const Naeherungsbericht& n = naeherung_;
  QString toleranz = QString::number(n.Toleranz, 'f', 2) + " codes";
  if (n.ToleranzAusRauschen)
    toleranz += QString(", from the noise (%1 codes rms)").arg(n.Rauschen, 0, 'f', 2);
  ergebnis_->setText(
      QString("Points: %1    largest deviation: %2 codes    tolerance: %3    "
              "memory: %4 %")
          .arg(n.Punkte)
          .arg(n.GroessterFehler, 0, 'f', 2)
          .arg(toleranz)
          .arg(100.0 * static_cast<double>(n.Speicherbytes) / kGeraetespeicherBytes, 0, 'f', 1));
  VorschauZeichnen();
  return 0;
}

void CsvImportdialog::Abgelehnt() {
  gueltig_ = false;
  knoepfe_->button(QDialogButtonBox::Ok)->setEnabled(false);
  ergebnis_->setText("These choices cannot be imported; choose others or cancel.");
}

void CsvImportdialog::SpaltenFuellen() {
  const Csvdialekt& d = reihe_.Dialekt;
  int anzahl =
      std::max({static_cast<int>(d.Spaltennamen.size()), static_cast<int>(d.Einheiten.size()),
                reihe_.Zeitspalte, reihe_.Wertspalte});
  if (d.Spaltennamen.empty()) anzahl = std::max(anzahl, kSpaltenOhneKopf);
  imFuellen_ = true;
  for (QComboBox* box : {zeitspalte_, wertspalte_}) {
    if (box->count() != anzahl) {
      box->clear();
      for (int i = 1; i <= anzahl; ++i) {
        const auto n = static_cast<std::size_t>(i - 1);
        const bool name = n < d.Spaltennamen.size() && !d.Spaltennamen[n].empty();
        box->addItem(name ? QString("%1 (%2)").arg(i).arg(QString::fromStdString(d.Spaltennamen[n]))
                          : QString::number(i),
                     QString::number(i));
      }
    }
  }
  zeitspalte_->setCurrentIndex(reihe_.Zeitspalte - 1);
  wertspalte_->setCurrentIndex(reihe_.Wertspalte - 1);
  imFuellen_ = false;
}

void CsvImportdialog::VorschauZeichnen() {
  QVector<double> x(reihe_.Zeit.begin(), reihe_.Zeit.end());
  QVector<double> y;
  y.reserve(static_cast<qsizetype>(codes_.size()));
  for (double c : codes_) y.push_back(RohInEinheit(sitzung_, 0, c));
  vorschau_->graph(0)->setData(x, y, true);
  QVector<double> lx, ly;
  double zeit = 0.0;
  for (const Kurvenpunkt& p : punkte_) {
    lx.push_back(zeit / 1e6);
    ly.push_back(RohInEinheit(sitzung_, 0, p.Y));
    zeit += Geradendauer(p);
  }
  if (!punkte_.empty()) {
    lx.push_back(zeit / 1e6);
    ly.push_back(RohInEinheit(sitzung_, 0, punkte_.front().Y));
  }
  vorschau_->graph(1)->setData(lx, ly, true);
  // Point markers while they stand apart, not a solid row.
  const bool marken = punkte_.size() * 8 < static_cast<std::size_t>(vorschau_->width());
  vorschau_->graph(1)->setScatterStyle(
      QCPScatterStyle(marken ? QCPScatterStyle::ssSquare : QCPScatterStyle::ssNone, 4));
  vorschau_->rescaleAxes();
  vorschau_->replot();
}

void CsvImportdialog::accept() {
  if (!gueltig_) return;
  std::string meldung;
  const Einsatzart art =
      anMarkierung_->isChecked() ? Einsatzart::AnMarkierung : Einsatzart::Ersetzen;
  if (PunkteEinsetzen(sitzung_, punkte_, art, meldung) != 0) {
    if (!meldung.empty()) meldung[0] = static_cast<char>(std::toupper(meldung[0]));
    common::showMessage("Error while importing", meldung + ".");
    return;
  }
  QDialog::accept();
}

}  // namespace curves::gui
