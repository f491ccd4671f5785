#include "curves/gui/Formdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <sstream>

#include "config/Konfiguration.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/shapes/Formparameter.h"
#include "widgets/Kurvengrafik.h"

namespace curves::gui {

namespace {

std::vector<std::string> Woerter(const std::string& liste) {
  std::istringstream s(liste);
  std::vector<std::string> w;
  for (std::string wort; s >> wort;) w.push_back(wort);
  return w;
}

QString Zahl(double v) {
  return QString::number(v, 'g', 4);
}

}  // namespace

Formdialog::Formdialog(QWidget* parent, widgets::Kurvengrafik& grafik, Kurvensitzung& sitzung)
    : Vorschaudialog(parent, grafik, "Insert shape", "Shape", Formarten()), sitzung_(sitzung) {
  setObjectName("FORMDIALOG");
  art_->setObjectName("FORMART");
  fehler_->setObjectName("FORMFEHLER");
  fehler_->setToolTip("Largest error of sine, exp and formula at any device sample");
  roh_ = new QCheckBox("Levels as raw codes (0 ... 4095)", this);
  roh_->setObjectName("FORMROH");
  unten_->addRow("", roh_);
  bericht_->setObjectName("FORMBERICHT");
  meldung_->setObjectName("FORMMELDUNG");
  meldung_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  connect(roh_, &QCheckBox::toggled, this, &Formdialog::BerechnenPlanen);
  Starten();
}

Formdialog::~Formdialog() = default;

std::string Formdialog::Beispielwert(const std::string& art, const std::string& name) const {
  const int c = sitzung_.gKurven.AktuelleKurve;
  const bool roh = roh_->isChecked();
  auto pegel = [&](double code) { return roh ? code : RohInEinheit(sitzung_, c, code); };
  const double tief = pegel(410.0), hoch = pegel(3686.0), mitte = pegel(2048.0);
  const double amplitude = hoch - mitte;
  if (name == "from" || name == "low") return Zahl(tief).toStdString();
  if (name == "to" || name == "high") return Zahl(hoch).toStdString();
  if (name == "offset") return Zahl(mitte).toStdString();
  if (name == "amplitude") return Zahl(amplitude).toStdString();
  if (name == "steps") return "5";
  if (name == "periods" || name == "count") return art == "pulse" ? "10" : "3";
  if (name == "period") return "20ms";
  if (name == "width" || name == "rise" || name == "fall") return "5ms";
  if (name == "hold" || name == "pause") return "5ms";
  if (name == "tau") return "20ms";
  if (name == "time") return art == "formula" ? "60ms" : "100ms";
  if (name == "expr")
    return (Zahl(mitte) + "+" + Zahl(amplitude) + "*sin(2*_pi*50*t)").toStdString();
  return {};
}

void Formdialog::ArtGewaehlt() {
  // Keep what the operator typed for the kind being left.
  if (!felder_.empty()) {
    auto& alt = gemerkt_[art_->property("vorher").toString().toStdString()];
    for (const auto& [name, feld] : felder_) alt[name] = feld->text();
  }
  ParameterfelderLeeren();
  const std::string art = art_->currentText().toStdString();
  art_->setProperty("vorher", art_->currentText());
  const auto gespeichert = gemerkt_.find(art);
  for (const std::string& name : Woerter(FormparameterListe(art))) {
    const bool gemerkt = gespeichert != gemerkt_.end() && gespeichert->second.count(name);
    ParameterfeldAnlegen(name, gemerkt ? gespeichert->second.at(name)
                                       : QString::fromStdString(Beispielwert(art, name)))
        ->setObjectName(QString::fromStdString("FORM_" + name));
  }
  BerechnenPlanen();
}

void Formdialog::Berechnen() {
  Formauftrag auftrag;
  auftrag.Art = art_->currentText().toStdString();
  // Parameters in the kind's order; an empty field takes the kind's default.
  for (const std::string& name : Woerter(FormparameterListe(auftrag.Art))) {
    const QString text = felder_.at(name)->text().trimmed();
    if (!text.isEmpty()) auftrag.Parameter.push_back({name, text.toStdString()});
  }
  auftrag.MaxFehler = fehler_->value();
  auftrag.Bezug.Konfig = sitzung_.Konfig.gKonfig;
  auftrag.Bezug.Ausgang = sitzung_.gKurven.AktuelleKurve;
  auftrag.Bezug.Angabe = roh_->isChecked() ? Pegelangabe::Roh : Pegelangabe::Einheit;

  auto ablehnen = [this](const std::string& meldung) {
    form_.reset();
    Ablehnen(meldung);
  };
  Form form;
  std::string meldung;
  if (FormBerechnen(auftrag, form, meldung)) return ablehnen(meldung);
  const Kurve& kurve = AktuelleKurveDaten(sitzung_);
  std::vector<Kurvenpunkt> punkte;
  Einfuegebericht e;
  if (FormInKurve(kurve, bereich_.VonMikro, bereich_.BisMikro, form, punkte, e, meldung))
    return ablehnen(meldung);

  // The four curves' memory once the shape is in.
  const std::int64_t bytes =
      Speicherbedarf(sitzung_) + 2 * (Abtastwerte(punkte) - Abtastwerte(kurve.Punkte));
  Annehmen(QString("%1 points, largest error %2 codes, %3 bytes (%4 % of the device "
                   "memory with all curves)")
               .arg(form.Punkte.size())
               .arg(form.GroessterFehler, 0, 'f', 2)
               .arg(form.Speicherbytes)
               .arg(100.0 * static_cast<double>(bytes) / kGeraetespeicherBytes, 0, 'f', 1),
           form.Warnungen, Vorschaulinie(punkte, e.ErsterPunkt, e.Punktanzahl));
  form_ = std::move(form);
}

std::vector<QPointF> Formdialog::Vorschaulinie(const std::vector<Kurvenpunkt>& punkte, int erster,
                                               int anzahl) {
  // In curve time.
  std::vector<QPointF> linie;
  const int von = std::max(erster - 1, 0);
  double t = 0.0;
  for (int i = 0; i < von; ++i) t += Geradendauer(punkte[i]);
  const int bis = erster + anzahl;
  for (int i = von; i < bis; ++i) {
    linie.emplace_back(t, punkte[i].Y);
    t += Geradendauer(punkte[i]);
  }
  const int folgend = bis < static_cast<int>(punkte.size()) ? punkte[bis].Y : punkte[0].Y;
  linie.emplace_back(t, folgend);
  return linie;
}

void Formdialog::Uebernehmen() {
  JetztBerechnen();
  if (!form_) return;
  Einfuegebericht e;
  std::string meldung;
  if (FormInSitzungEinfuegen(sitzung_, bereich_, *form_, e, meldung)) {
    MeldungZeigen(QString::fromStdString(meldung), true);
    return;
  }
  // The mark now covers what went in.
  if (sitzung_.gMarkierung.Aktiv) sitzung_.gMarkierung = {bereich_.VonMikro, e.EndeMikro, true};
  accept();
}

bool Formdialog::Ausfuehren() {
  bereich_ = FormbereichAusMarkierung(AktuelleKurveDaten(sitzung_), sitzung_.gMarkierung);
  bereichText_->setText(
      bereich_.VonMikro == bereich_.BisMikro
          ? QString("Inserted at %1").arg(QString::fromStdString(ZeitText(bereich_.VonMikro)))
          : QString("Replaces %1 to %2")
                .arg(QString::fromStdString(ZeitText(bereich_.VonMikro)),
                     QString::fromStdString(ZeitText(bereich_.BisMikro))));
  JetztBerechnen();
  // Beside the graph, so that the preview stays in sight, as far as the screen allows.
  adjustSize();
  const QWidget* graph = grafik_.Graph();
  QPoint ort = graph->mapToGlobal(QPoint(graph->width(), 0));
  if (const QScreen* schirm = graph->screen()) {
    const QRect r = schirm->availableGeometry();
    ort.setX(std::clamp(ort.x(), r.left(), std::max(r.left(), r.right() - width())));
    ort.setY(std::clamp(ort.y(), r.top(), std::max(r.top(), r.bottom() - height())));
  }
  move(ort);
  return Zeigen();
}

}  // namespace curves::gui
