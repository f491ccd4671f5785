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
  pixel_ = reinterpret_cast<quint32*>(bild_.bits());
  schritt_ = bild_.bytesPerLine() / static_cast<qsizetype>(sizeof(quint32));
  decke_.assign(static_cast<std::size_t>(breite), Decke{});
  baender_.assign(static_cast<std::size_t>((breite + kBandbreite - 1) / kBandbreite), Band{});
}

QRect Pixelraster::Bandflaeche(int band) const {
  const Band& b = baender_[static_cast<std::size_t>(band)];
  if (b.Oben > b.Unten) return {};
  const int links = band * kBandbreite;
  return QRect(QPoint(links, b.Oben),
               QPoint(std::min(links + kBandbreite, bild_.width()) - 1, b.Unten));
}

QRect Pixelraster::Bemalt() const {
  QRect r;
  for (int b = 0; b < static_cast<int>(baender_.size()); ++b) r |= Bandflaeche(b);
  return r;
}

void Pixelraster::Leeren() {
  if (pixel_ == nullptr) return;
  pixel_ = reinterpret_cast<quint32*>(bild_.bits());  // not shared, so the same memory
  for (int b = 0; b < static_cast<int>(baender_.size()); ++b) {
    const QRect r = Bandflaeche(b);
    if (r.isEmpty()) continue;
    const auto laenge = static_cast<std::size_t>(r.width()) * sizeof(quint32);
    for (int y = r.top(); y <= r.bottom(); ++y)
      std::memset(pixel_ + y * schritt_ + r.left(), 0, laenge);
    std::fill(decke_.begin() + r.left(), decke_.begin() + r.right() + 1, Decke{});
    baender_[static_cast<std::size_t>(b)] = Band{};
  }
}

void Pixelraster::Spalte(int x, int y0, int y1, quint32 wert) {
  if (x < 0 || x >= bild_.width()) return;
  y0 = std::max(y0, 0);
  y1 = std::min(y1, bild_.height() - 1);
  if (y0 > y1) return;
  Decke& d = decke_[static_cast<std::size_t>(x)];
  quint32* spalte = pixel_ + x;
  auto schreiben = [&](int von, int bis) {
    quint32* p = spalte + von * schritt_;
    if (d.Genau) {
      for (int y = von; y <= bis; ++y, p += schritt_) *p = wert;
    } else {
      for (int y = von; y <= bis; ++y, p += schritt_)
        if (*p == 0) *p = wert;
    }
  };
  Band& band = baender_[static_cast<std::size_t>(x / kBandbreite)];
  band.Oben = std::min(band.Oben, y0);
  band.Unten = std::max(band.Unten, y1);
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
  // Neighbouring bands of the same rows go as one piece.
  QRect stueck;
  for (int b = 0; b < static_cast<int>(baender_.size()); ++b) {
    const QRect r = Bandflaeche(b);
    if (!stueck.isEmpty() && (r.isEmpty() || r.top() != stueck.top() ||
                              r.bottom() != stueck.bottom())) {
      maler.drawImage(ort + stueck.topLeft(), bild_, stueck);
      stueck = QRect();
    }
    stueck |= r;
  }
  if (!stueck.isEmpty()) maler.drawImage(ort + stueck.topLeft(), bild_, stueck);
}

}  // namespace widgets
