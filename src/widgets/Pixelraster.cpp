#include "widgets/Pixelraster.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace widgets {

void Pixelraster::Groesse(int breite, int hoehe) {
  breite = std::max(breite, 1);
  hoehe = std::max(hoehe, 1);
  if (bild_.width() != breite || bild_.height() != hoehe)
    bild_ = QImage(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
  bild_.fill(Qt::transparent);
  decke_.assign(static_cast<std::size_t>(breite), Decke{});
  bemalt_ = QRect();
}

void Pixelraster::Leeren() {
  if (bemalt_.isEmpty()) return;
  const int x = bemalt_.left();
  const auto laenge = static_cast<std::size_t>(bemalt_.width()) * sizeof(quint32);
  for (int y = bemalt_.top(); y <= bemalt_.bottom(); ++y)
    std::memset(reinterpret_cast<quint32*>(bild_.scanLine(y)) + x, 0, laenge);
  std::fill(decke_.begin() + x, decke_.begin() + bemalt_.right() + 1, Decke{});
  bemalt_ = QRect();
}

void Pixelraster::Spalte(int x, int y0, int y1, quint32 wert) {
  if (x < 0 || x >= bild_.width()) return;
  y0 = std::max(y0, 0);
  y1 = std::min(y1, bild_.height() - 1);
  if (y0 > y1) return;
  Decke& d = decke_[static_cast<std::size_t>(x)];
  const qsizetype schritt = bild_.bytesPerLine() / static_cast<qsizetype>(sizeof(quint32));
  quint32* spalte = reinterpret_cast<quint32*>(bild_.bits()) + x;
  auto schreiben = [&](int von, int bis) {
    quint32* p = spalte + von * schritt;
    if (d.Genau) {
      for (int y = von; y <= bis; ++y, p += schritt) *p = wert;
    } else {
      for (int y = von; y <= bis; ++y, p += schritt)
        if (*p == 0) *p = wert;
    }
  };
  bemalt_ |= QRect(x, y0, 1, y1 - y0 + 1);
  if (d.Oben > d.Unten) {
    schreiben(y0, y1);
    d.Oben = y0;
    d.Unten = y1;
    return;
  }
  if (y0 < d.Oben) schreiben(y0, std::min(y1, d.Oben - 1));
  if (y1 > d.Unten) schreiben(std::max(y0, d.Unten + 1), y1);
  if (y0 <= d.Unten + 1 && y1 >= d.Oben - 1) {
    d.Oben = std::min(d.Oben, y0);
    d.Unten = std::max(d.Unten, y1);
  } else {
    // Two stretches apart: keep the longer one as known.
    d.Genau = false;
    if (y1 - y0 > d.Unten - d.Oben) {
      d.Oben = y0;
      d.Unten = y1;
    }
  }
}

void Pixelraster::Spannen(const common::Spannenzug& zug, const QColor& farbe, int rand) {
  const quint32 wert = qPremultiply(farbe.rgba());
  for (int s = zug.Von(); s <= zug.Bis(); ++s) {
    if (!zug.Belegt(s)) continue;
    for (int x = s - rand; x <= s + rand; ++x)
      Spalte(x, zug.Oben(s) - rand, zug.Unten(s) + rand, wert);
  }
}

void Pixelraster::Rechtecke(const QVector<QRect>& rechtecke, const QColor& farbe) {
  const quint32 wert = qPremultiply(farbe.rgba());
  for (const QRect& r : rechtecke)
    for (int x = r.left(); x <= r.right(); ++x) Spalte(x, r.top(), r.bottom(), wert);
}

void Pixelraster::Malen(QPainter& maler, QPoint ort) const {
  if (bemalt_.isEmpty()) return;
  maler.drawImage(ort + bemalt_.topLeft(), bild_, bemalt_);
}

}  // namespace widgets
