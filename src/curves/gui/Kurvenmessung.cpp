#include "curves/gui/Kurvenmessung.h"

#include <QFontDatabase>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>
#include <cmath>
#include <vector>

#include "config/Konfiguration.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/gui/Zeitachse.h"
#include "curves/model/Kurvenmodell.h"
#include "ui_KURVENPNL.h"
#include "widgets/Cursorpaar.h"

namespace curves::gui {

namespace {

// A time in the unit that fits the larger of it and a companion (two ends in one unit).
QString Zeit(double us, double neben = 0.0) {
  const Zeiteinheit e = ZeiteinheitFuer(std::max(std::abs(us), std::abs(neben)));
  return QString("%1 %2").arg(us / e.Mikrosekunden, 0, 'g', 7).arg(QString::fromUtf8(e.Name));
}

QString Wert(double wert, const QString& einheit) {
  return QString::number(wert, 'f', 4) + (einheit.isEmpty() ? QString() : " " + einheit);
}

QString Spalte(const QString& text) {
  return text.leftJustified(22);
}

}  // namespace

QString CursorablesungText(const Cursorablesung& c, int gesetzt, const QString& einheit) {
  const double neben = gesetzt < 2 ? 0.0 : c.T2;
  QString t = Spalte("t1 = " + Zeit(c.T1, neben)) + "y1 = " + Wert(c.Wert1, einheit);
  if (gesetzt < 2) return t;
  t += "\n" + Spalte("t2 = " + Zeit(c.T2, c.T1)) + "y2 = " + Wert(c.Wert2, einheit);
  const QString frequenz =
      c.Frequenz ? QString("%1 Hz").arg(*c.Frequenz, 0, 'g', 6) : QString::fromUtf8("–");
  t += "\n" + Spalte(QString::fromUtf8("Δt = ") + Zeit(c.Dt)) + QString::fromUtf8("1/Δt = ") +
       frequenz;
  const QString steigung = c.Steigung ? QString("%1 %2/s")
                                            .arg(*c.Steigung, 0, 'g', 6)
                                            .arg(einheit.isEmpty() ? QString("1") : einheit)
                                      : QString::fromUtf8("–");
  t += "\n" + Spalte(QString::fromUtf8("Δy = ") + Wert(c.Delta, einheit)) + "slope = " + steigung;
  return t;
}

QString MarkierungsablesungText(const Ausgabestatistik& s, const QString& einheit) {
  return QString("Mark %1 to %2, duration %3, %4; output min %5, max %6, mean %7, RMS %8")
      .arg(Zeit(s.Von, s.Bis), Zeit(s.Bis, s.Von), Zeit(s.Dauer))
      .arg(s.Punkte == 1 ? QString("1 point") : QString("%1 points").arg(s.Punkte))
      .arg(Wert(s.Min, einheit), Wert(s.Max, einheit), Wert(s.Mittel, einheit),
           Wert(s.Effektiv, einheit));
}

Kurvenmessung::Kurvenmessung(Kurvenpanel& panel, Kurvensitzung& sitzung)
    : QObject(&panel), sitzung_(sitzung), markierung_(new QLabel(&panel)) {
  // The curve changes on a full redraw only: the index and the mark's readout follow it
  // there, before the cursors read it (connected first, so called first). The index is
  // built when the cursors next read, so redraws without cursors do not pay for it.
  connect(panel.Ui().GRAPH, &QCustomPlot::beforeReplot, this, [this] {
    indexVeraltet_ = true;
    MarkierungAnzeigen();
  });
  cursor_ = new widgets::Cursorpaar(panel.Ui().GRAPH);
  cursor_->Anzeige()->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  cursor_->AblesungSetzen([this](const widgets::Cursorstellung& s) {
    const Kurve& k = AktuelleKurveDaten(sitzung_);
    if (k.Punkte.empty()) return QString();
    if (indexVeraltet_) {
      index_ = Ausgabeindex(k);
      indexVeraltet_ = false;
    }
    const Ausgabeskalierung a = Skalierung();
    const double t2 = s.Gesetzt > 1 ? s.X2 : s.X1;
    return CursorablesungText(CursorAblesen(k, index_, s.X1, t2, a), s.Gesetzt,
                              QString::fromLatin1(a.Einheit));
  });
  // The points' start times and the curve's end.
  cursor_->EinrastenSetzen([this](double x, int richtung) {
    const Kurve& k = AktuelleKurveDaten(sitzung_);
    std::vector<double> zeiten;
    zeiten.reserve(k.Punkte.size() + 1);
    double t = 0.0;
    for (const Kurvenpunkt& p : k.Punkte) {
      zeiten.push_back(t);
      t += ZeitbasisInMikrosekunden(p.Zeitbasis) * p.Laenge;
    }
    if (!k.Punkte.empty()) zeiten.push_back(t);
    return widgets::NaechsteStelle(zeiten, x, richtung);
  });

  markierung_->setObjectName("MARKIERUNGSANZEIGE");
  markierung_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  markierung_->hide();
  panel.statusBar()->addPermanentWidget(markierung_);
}

Ausgabeskalierung Kurvenmessung::Skalierung() const {
  return AusgabeskalierungAus(sitzung_.Konfig.gKonfig, sitzung_.gKurven.AktuelleKurve);
}

void Kurvenmessung::MarkierungAnzeigen() {
  const Markierung& m = sitzung_.gMarkierung;
  const Kurve& k = AktuelleKurveDaten(sitzung_);
  if (!m.Aktiv || k.Punkte.empty()) {
    markierung_->hide();
    return;
  }
  const Ausgabeskalierung a = Skalierung();
  const Ausgabestatistik s =
      AusgabestatistikBerechnen(k, std::min(m.Start, m.Ende), std::max(m.Start, m.Ende), a);
  markierung_->setText(MarkierungsablesungText(s, QString::fromLatin1(a.Einheit)));
  markierung_->show();
}

}  // namespace curves::gui
