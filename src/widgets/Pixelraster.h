// A transparent canvas the curve plots are painted on by hand: spans of rows per column
// (polylines, see common/Spannenzug) and filled rectangles (marker runs), written straight
// into the image's memory in opaque colours, then put on the plot in one go. The plots are
// painted from the top one down and each pixel is written once, by the plot on top: a
// dense curve costs what its pixels cost, without a stroker, blending or overdraw.
// It can also paint straight into a part of an image that is being painted anyway (the
// plot's own buffer): nothing is then cleared or put on the plot.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QVector>
#include <climits>
#include <vector>

#include "common/Spannenzug.h"

class QPainter;

namespace widgets {

class Pixelraster {
 public:
  // The canvas size; cleared.
  void Groesse(int breite, int hoehe);
  QSize Groesse() const { return {breite_, hoehe_}; }
  // Clears what was painted since the last clearing.
  void Leeren();
  // Paints into the part `flaeche` of `bild` from now on, over what it holds, until the
  // next Groesse. The image must stay alive, unshared and in the format
  // ARGB32_Premultiplied while painted into.
  void Auf(QImage& bild, const QRect& flaeche);
  bool Fremd() const { return fremd_; }

  // The spans in an opaque colour, beneath what is painted already; rand > 0 widens each
  // by that many pixels on every side (the outline under a light line).
  void Spannen(const common::Spannenzug& zug, const QColor& farbe, int rand = 0);
  // Filled rectangles, clipped to the canvas, beneath what is painted already.
  void Rechtecke(const QVector<QRect>& rechtecke, const QColor& farbe);

  // The painted part put on the painter with its top left corner at `ort` (nothing when
  // painting into a foreign image).
  void Malen(QPainter& maler, QPoint ort) const;
  const QImage& Bild() const { return bild_; }
  // What was painted since the last clearing (empty: nothing).
  QRect Bemalt() const;

 private:
  // Rows y0..y1 of column x where nothing is painted yet.
  void Spalte(int x, int y0, int y1, quint32 wert);
  // The painted rows of each band of columns: what is cleared and put on the plot, so a
  // thin curve across the canvas costs its pixels, not the canvas.
  static constexpr int kBandbreite = 32;
  struct Band {
    int Oben = INT_MAX, Unten = INT_MIN;
  };
  QRect Bandflaeche(int band) const;

  // Per column the rows painted, as one stretch while they are one (Genau); once they are
  // not, the stretch spans them all and the column's bits in maske_ tell each row.
  struct Decke {
    int Oben = INT_MAX, Unten = INT_MIN;
    bool Genau = true;
  };
  void Schreiben(quint32* spalte, int von, int bis, quint32 wert) const;
  quint64* Maske(int x) { return maske_.data() + static_cast<std::size_t>(x) * worte_; }
  void Zuruecksetzen();

  QImage bild_;
  int breite_ = 0, hoehe_ = 0;
  quint32* pixel_ = nullptr;  // the top left pixel painted, in memory not shared
  qsizetype schritt_ = 0;     // pixels per row
  bool fremd_ = false;        // painting into an image of someone else's
  std::vector<Decke> decke_;
  std::vector<Band> baender_;
  std::size_t worte_ = 0;  // 64-row words of the mask per column
  std::vector<quint64> maske_;
};

}  // namespace widgets
