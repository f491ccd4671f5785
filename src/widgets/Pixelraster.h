// A transparent canvas the curve plots are painted on by hand: spans of rows per column
// (polylines, see common/Spannenzug) and filled rectangles (marker runs), written straight
// into the image's memory in opaque colours, then put on the plot in one go. The plots are
// painted from the top one down and each pixel is written once, by the plot on top: a
// dense curve costs what its pixels cost, without a stroker, blending or overdraw.
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
  QSize Groesse() const { return bild_.size(); }
  // Clears what was painted since the last clearing.
  void Leeren();

  // The spans in an opaque colour, beneath what is painted already; rand > 0 widens each
  // by that many pixels on every side (the outline under a light line).
  void Spannen(const common::Spannenzug& zug, const QColor& farbe, int rand = 0);
  // Filled rectangles, clipped to the canvas, beneath what is painted already.
  void Rechtecke(const QVector<QRect>& rechtecke, const QColor& farbe);

  // The painted part put on the painter with its top left corner at `ort`.
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

  // Per column the rows known to be painted, one stretch; exact while what is painted there
  // is one stretch, else a part of it (the pixels outside are then looked at one by one).
  struct Decke {
    int Oben = INT_MAX, Unten = INT_MIN;
    bool Genau = true;
  };

  QImage bild_;
  quint32* pixel_ = nullptr;  // the image's memory, taken once it is not shared
  qsizetype schritt_ = 0;     // pixels per row
  std::vector<Decke> decke_;
  std::vector<Band> baender_;
};

}  // namespace widgets
