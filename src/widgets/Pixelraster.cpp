#include "widgets/Pixelraster.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <cstring>

namespace widgets {

namespace {

// Bits von..bis (within one word's 64) set.
quint64 Bits(int von, int bis) {
  const quint64 ab = ~quint64{0} << von;
  return bis >= 63 ? ab : ab & ((quint64{2} << bis) - 1);
}

void MaskeSetzen(quint64* maske, int von, int bis) {
  for (int w = von / 64; w <= bis / 64; ++w)
    maske[w] |= Bits(std::max(von - w * 64, 0), std::min(bis - w * 64, 63));
}

}  // namespace

void Pixelraster::Zuruecksetzen() {
  decke_.assign(static_cast<std::size_t>(breite_), Decke{});
  baender_.assign(static_cast<std::size_t>((breite_ + kBandbreite - 1) / kBandbreite), Band{});
  worte_ = static_cast<std::size_t>((hoehe_ + 63) / 64);
  maske_.resize(static_cast<std::size_t>(breite_) * worte_);
}

void Pixelraster::Groesse(int breite, int hoehe) {
  breite = std::max(breite, 1);
  hoehe = std::max(hoehe, 1);
  if (bild_.width() != breite || bild_.height() != hoehe)
    bild_ = QImage(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
  bild_.fill(Qt::transparent);
  breite_ = breite;
  hoehe_ = hoehe;
  fremd_ = false;
  pixel_ = reinterpret_cast<quint32*>(bild_.bits());
  schritt_ = bild_.bytesPerLine() / static_cast<qsizetype>(sizeof(quint32));
  Zuruecksetzen();
}

void Pixelraster::Auf(QImage& bild, const QRect& flaeche) {
  const QRect r = flaeche & bild.rect();
  fremd_ = true;
  // An empty part has no columns: everything painted lies outside.
  breite_ = r.isEmpty() ? 0 : r.width();
  hoehe_ = r.isEmpty() ? 0 : r.height();
  schritt_ = bild.bytesPerLine() / static_cast<qsizetype>(sizeof(quint32));
  pixel_ = r.isEmpty() ? nullptr
                       : reinterpret_cast<quint32*>(bild.bits()) + r.top() * schritt_ + r.left();
  Zuruecksetzen();
}

QRect Pixelraster::Bandflaeche(int band) const {
  const Band& b = baender_[static_cast<std::size_t>(band)];
  if (b.Oben > b.Unten) return {};
  const int links = band * kBandbreite;
  return QRect(QPoint(links, b.Oben), QPoint(std::min(links + kBandbreite, breite_) - 1, b.Unten));
}

QRect Pixelraster::Bemalt() const {
  QRect r;
  for (int b = 0; b < static_cast<int>(baender_.size()); ++b) r |= Bandflaeche(b);
  return r;
}

void Pixelraster::Leeren() {
  if (pixel_ == nullptr) return;
  if (!fremd_) pixel_ = reinterpret_cast<quint32*>(bild_.bits());  // not shared: same memory
  for (int b = 0; b < static_cast<int>(baender_.size()); ++b) {
    const QRect r = Bandflaeche(b);
    if (r.isEmpty()) continue;
    if (!fremd_) {
      const auto laenge = static_cast<std::size_t>(r.width()) * sizeof(quint32);
      for (int y = r.top(); y <= r.bottom(); ++y)
        std::memset(pixel_ + y * schritt_ + r.left(), 0, laenge);
    }
    std::fill(decke_.begin() + r.left(), decke_.begin() + r.right() + 1, Decke{});
    baender_[static_cast<std::size_t>(b)] = Band{};
  }
}

void Pixelraster::Schreiben(quint32* spalte, int von, int bis, quint32 wert) const {
  const qsizetype schritt = schritt_;
  quint32* p = spalte + von * schritt;
  for (int y = von; y <= bis; ++y, p += schritt) *p = wert;
}

void Pixelraster::Spalte(int x, int y0, int y1, quint32 wert) {
  if (x < 0 || x >= breite_) return;
  y0 = std::max(y0, 0);
  y1 = std::min(y1, hoehe_ - 1);
  if (y0 > y1) return;
  Decke& d = decke_[static_cast<std::size_t>(x)];
  quint32* spalte = pixel_ + x;
  Band& band = baender_[static_cast<std::size_t>(x / kBandbreite)];
  band.Oben = std::min(band.Oben, y0);
  band.Unten = std::max(band.Unten, y1);
  if (d.Oben > d.Unten) {
    Schreiben(spalte, y0, y1, wert);
    d.Oben = y0;
    d.Unten = y1;
    return;
  }
  // Rows outside the stretch are not painted yet.
  if (y0 < d.Oben) Schreiben(spalte, y0, std::min(y1, d.Oben - 1), wert);
  if (y1 > d.Unten) Schreiben(spalte, std::max(y0, d.Unten + 1), y1, wert);
  if (!d.Genau || y0 > d.Unten + 1 || y1 < d.Oben - 1) {
    quint64* maske = Maske(x);
    if (d.Genau) {
      // Two stretches apart: from now on the mask tells the rows.
      std::fill(maske, maske + worte_, quint64{0});
      MaskeSetzen(maske, d.Oben, d.Unten);
      d.Genau = false;
    }
    // Inside the stretch the rows not painted yet, run by run.
    const int von = std::max(y0, d.Oben), bis = std::min(y1, d.Unten);
    for (int w = von / 64; von <= bis && w <= bis / 64; ++w) {
      const int basis = w * 64;
      quint64 frei = ~maske[w] & Bits(std::max(von - basis, 0), std::min(bis - basis, 63));
      while (frei != 0) {
        const int anfang = std::countr_zero(frei);
        const int ende = anfang + std::countr_one(frei >> anfang);  // one past the run
        Schreiben(spalte, basis + anfang, basis + ende - 1, wert);
        frei = ende >= 64 ? 0 : frei & (~quint64{0} << ende);
      }
    }
    MaskeSetzen(maske, y0, y1);
  }
  d.Oben = std::min(d.Oben, y0);
  d.Unten = std::max(d.Unten, y1);
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
  if (fremd_) return;
  // Neighbouring bands of the same rows go as one piece.
  QRect stueck;
  for (int b = 0; b < static_cast<int>(baender_.size()); ++b) {
    const QRect r = Bandflaeche(b);
    if (!stueck.isEmpty() &&
        (r.isEmpty() || r.top() != stueck.top() || r.bottom() != stueck.bottom())) {
      maler.drawImage(ort + stueck.topLeft(), bild_, stueck);
      stueck = QRect();
    }
    stueck |= r;
  }
  if (!stueck.isEmpty()) maler.drawImage(ort + stueck.topLeft(), bild_, stueck);
}

}  // namespace widgets
