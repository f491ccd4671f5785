#include "characteristic/gui/Kennlmessung.h"

#include <QFontDatabase>
#include <cstring>

#include "config/Konfiguration.h"
#include "widgets/Cursorpaar.h"

namespace characteristic::gui {

namespace {

QString Einheit(const char (&feld)[config::kEinheitGroesse]) {
  return QString::fromLatin1(feld, static_cast<int>(::strnlen(feld, sizeof feld)));
}

QString Wert(double wert, const QString& einheit) {
  return QString::number(wert, 'f', 4) + (einheit.isEmpty() ? QString() : " " + einheit);
}

QString Spalte(const QString& text) {
  return text.leftJustified(20);
}

}  // namespace

QString KennlCursorText(const config::Konfiguration& k, const KennlCursorablesung& c, int gesetzt) {
  const QString ex = Einheit(k.ineinheit[1]);
  const QString ey = Einheit(k.outeinheit[0]);
  QString t = Spalte("x1 = " + Wert(c.Eingang1, ex)) + "y1 = " + Wert(c.Wert1, ey);
  if (gesetzt < 2) return t;
  t += "\n" + Spalte("x2 = " + Wert(c.Eingang2, ex)) + "y2 = " + Wert(c.Wert2, ey);
  const QString steigung =
      c.Steigung ? QString::number(*c.Steigung, 'g', 6) : QString::fromUtf8("–");
  t += "\n" + Spalte(QString::fromUtf8("Δx = ") + Wert(c.DeltaEingang, ex)) +
       QString::fromUtf8("Δy = ") + Wert(c.Delta, ey);
  t += "\n" + QString::fromUtf8("Δy/Δx = ") + steigung;
  return t;
}

widgets::Cursorpaar* KennlCursorAnlegen(QCustomPlot* graph, const config::Konfiguration& k,
                                        KennlPunktquelle punkte) {
  auto* cursor = new widgets::Cursorpaar(graph);
  cursor->Anzeige()->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  cursor->AblesungSetzen([&k, punkte](const widgets::Cursorstellung& s) {
    const double x2 = s.Gesetzt > 1 ? s.X2 : s.X1;
    return KennlCursorText(k, KennlCursorAblesen(k, punkte(), s.X1, x2), s.Gesetzt);
  });
  cursor->EinrastenSetzen([punkte](double x, int richtung) {
    const auto& p = punkte();
    std::vector<double> stellen;
    stellen.reserve(p.size());
    double stelle = 0.0;
    for (const Kennlinienpunkt& k : p) {
      stellen.push_back(stelle);
      stelle += k.Laenge;
    }
    return widgets::NaechsteStelle(stellen, x, richtung);
  });
  return cursor;
}

}  // namespace characteristic::gui
