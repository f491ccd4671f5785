#include "widgets/Grafikbild.h"

#include <qcustomplot.h>
#include <sys/stat.h>

#include <QFileInfo>
#include <QPrinter>
#include <QSvgGenerator>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace widgets {
namespace {

QString Text(const std::string& s) {
  return QString::fromUtf8(s.c_str());
}

QColor Farbe(std::uint32_t rgb) {
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The plot's title element, made once in a row above the axis rect.
QCPTextElement* Titelelement(QCustomPlot* plot) {
  QCPLayoutGrid* l = plot->plotLayout();
  if (auto* t = qobject_cast<QCPTextElement*>(l->element(0, 0))) return t;
  l->insertRow(0);
  auto* t = new QCPTextElement(plot, QString(), QFont(plot->font().family(), 11, QFont::Bold));
  l->addElement(0, 0, t);
  return t;
}

// A plot that draws only for saving, at the given size.
struct Bildplot {
  QCustomPlot plot;
  Bildplot(const common::Grafikinhalt& inhalt, int breite, int hoehe) {
    plot.resize(breite, hoehe);
    GrafikinhaltZeichnen(&plot, inhalt);
  }
};

bool SvgSchreiben(QCustomPlot& plot, const QString& pfad, const QString& titel, int breite,
                  int hoehe) {
  QSvgGenerator svg;
  svg.setFileName(pfad);
  svg.setSize(QSize(breite, hoehe));
  svg.setViewBox(QRect(0, 0, breite, hoehe));
  svg.setTitle(titel);
  QCPPainter maler;
  if (!maler.begin(&svg)) return false;
  maler.setMode(QCPPainter::pmVectorized);
  maler.setMode(QCPPainter::pmNoCaching);
  plot.toPainter(&maler, breite, hoehe);
  return maler.end();
}

// The new file takes the rights of the one it replaces, or those of any new file.
void RechteUebernehmen(const QString& neu, const std::string& ziel) {
  struct stat alt {};
  const bool vorhanden = ::stat(ziel.c_str(), &alt) == 0;
  const mode_t maske = ::umask(0);
  ::umask(maske);
  ::chmod(QFile::encodeName(neu).constData(), vorhanden ? (alt.st_mode & 07777) : (0666 & ~maske));
}

}  // namespace

Bildformat BildformatAusPfad(const std::string& pfad) {
  const QString endung = QFileInfo(QString::fromLocal8Bit(pfad.c_str())).suffix().toLower();
  if (endung == "png") return Bildformat::Png;
  if (endung == "svg") return Bildformat::Svg;
  if (endung == "pdf") return Bildformat::Pdf;
  return Bildformat::Unbekannt;
}

void GrafikinhaltZeichnen(QCustomPlot* plot, const common::Grafikinhalt& inhalt) {
  plot->clearPlottables();
  plot->clearItems();
  plot->setAntialiasedElements(QCP::aeAll);
  // A dense curve drawn as one wide polyline costs the raster engine minutes: thin lines,
  // and in a raster picture segment by segment, take milliseconds.
  plot->setPlottingHint(QCP::phFastPolylines, true);
  plot->setBackground(QBrush(Qt::white));
  Titelelement(plot)->setText(Text(inhalt.Titel));
  plot->xAxis->setLabel(Text(common::AchsenBeschriftung(inhalt.X)));
  plot->yAxis->setLabel(Text(common::AchsenBeschriftung(inhalt.Y)));
  plot->xAxis->setRange(inhalt.X.Min, inhalt.X.Max);
  plot->yAxis->setRange(inhalt.Y.Min, inhalt.Y.Max);
  plot->xAxis->grid()->setVisible(true);
  plot->yAxis->grid()->setVisible(true);
  for (const common::Grafikreihe& r : inhalt.Reihen) {
    QCPGraph* g = plot->addGraph();
    g->setPen(QPen(Farbe(r.Farbe), 1.0));
    g->setName(Text(r.Name));
    const qsizetype n = static_cast<qsizetype>(std::min(r.X.size(), r.Y.size()));
    QVector<double> x(r.X.begin(), r.X.begin() + n), y(r.Y.begin(), r.Y.begin() + n);
    // Times only rise, and a step is two points at one time: kept in their order.
    g->setData(x, y, true);
  }
  plot->legend->setVisible(!inhalt.Reihen.empty());
  plot->legend->setBrush(QBrush(QColor(255, 255, 255, 220)));
  plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignTop | Qt::AlignRight);
}

int GrafikbildSpeichern(const common::Grafikinhalt& inhalt, const std::string& pfad, int breite,
                        int hoehe, std::string& meldung) {
  const Bildformat format = BildformatAusPfad(pfad);
  if (format == Bildformat::Unbekannt) {
    meldung = "'" + pfad + "' is not a picture file name (.png, .svg or .pdf)";
    return kFehlerBildformat;
  }
  if (breite < kBildseiteMin || breite > kBildseiteMax || hoehe < kBildseiteMin ||
      hoehe > kBildseiteMax) {
    meldung = "a picture is " + std::to_string(kBildseiteMin) + " to " +
              std::to_string(kBildseiteMax) + " pixels wide and high, not " +
              std::to_string(breite) + " x " + std::to_string(hoehe);
    return kFehlerBildgroesse;
  }
  // Drawn into a new file beside the target, which replaces the target only when whole.
  const QFileInfo ziel(QString::fromLocal8Bit(pfad.c_str()));
  QTemporaryFile neu(ziel.absolutePath() + "/.bild-XXXXXX." + ziel.suffix());
  if (!neu.open()) {
    meldung = "cannot write in the folder of '" + pfad + "'";
    return kFehlerBildSchreiben;
  }
  const QString neuPfad = neu.fileName();
  neu.close();
  Bildplot b(inhalt, breite, hoehe);
  const QString titel = Text(inhalt.Titel);
  bool geschrieben = false;
  switch (format) {
    case Bildformat::Png:
      geschrieben = b.plot.savePng(neuPfad, breite, hoehe);
      break;
    case Bildformat::Svg:
      geschrieben = SvgSchreiben(b.plot, neuPfad, titel, breite, hoehe);
      break;
    default:
      geschrieben = b.plot.savePdf(neuPfad, breite, hoehe, QCP::epAllowCosmetic,
                                   "MIV-3X curve generator", titel);
      break;
  }
  std::error_code fehler;
  if (geschrieben && QFileInfo(neuPfad).size() > 0) {
    RechteUebernehmen(neuPfad, pfad);
    std::filesystem::rename(QFile::encodeName(neuPfad).toStdString(), pfad, fehler);
  }
  if (!geschrieben || fehler) {
    meldung = "'" + pfad + "' could not be written";
    return kFehlerBildSchreiben;
  }
  neu.setAutoRemove(false);
  return 0;
}

bool GrafikbildDrucken(const common::Grafikinhalt& inhalt, QPrinter& drucker) {
  QCPPainter maler;
  if (!maler.begin(&drucker)) return false;
  maler.setMode(QCPPainter::pmVectorized);
  maler.setMode(QCPPainter::pmNoCaching);
  // The picture at the page's proportions, drawn as if on a screen 1000 pixels wide.
  const QRect seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
  const int breite = 1000;
  const int hoehe = std::clamp(breite * seite.height() / std::max(1, seite.width()), 300, 700);
  const double massstab = std::min(double(seite.width()) / breite, double(seite.height()) / hoehe);
  maler.scale(massstab, massstab);
  Bildplot b(inhalt, breite, hoehe);
  b.plot.toPainter(&maler, breite, hoehe);
  return maler.end();
}

}  // namespace widgets
