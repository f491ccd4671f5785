// The graph as a picture from the curve window: each format as a real file (PNG loads at
// its size, SVG parses and carries names, units and the file name, PDF is a PDF), the
// question of the part, printing, and refusals that keep an earlier file. And the window's
// Import/Export dialogs with SPICE PWL lists by their extension.
#include <gmock/gmock.h>

#include <QFile>
#include <QPrinter>
#include <QSvgRenderer>
#include <fstream>

#include "Fensterhilfen.h"
#include "curves/edit/Kurvengrafikinhalt.h"
#include "support/TempDir.h"
#include "widgets/Grafikbild.h"

namespace kurvenfenster {
namespace {

using testing::HasSubstr;
using testing::StartsWith;

std::string Inhalt(const std::string& pfad) {
  QFile f(QString::fromStdString(pfad));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

class Grafikbild : public FensterTest {
 protected:
  void SetUp() override {
    FensterTest::SetUp();
    sitzung.gKurven.Kurven[0].Punkte = {{0, 10, 4, {}}, {4095, 20, 4, {}}, {2048, 5, 4, {}}};
    sitzung.Dateiname = ordner.file("puls.wur");
    panel->Aktionen().ZoomVoll->trigger();
  }
  void Speichern(int teil, const std::string& name) {
    op.answerMessage(teil);
    op.answerFile(ordner.file(name));
    panel->Aktionen().BildSpeichern->trigger();
  }
  testsupport::TempDir ordner;
};

TEST_F(Grafikbild, WindowSavesEachFormat) {
  Speichern(1, "sicht.png");
  ASSERT_EQ(1u, op.messages.size());
  EXPECT_EQ("Which part of the graph?", op.messages[0].text);
  ASSERT_EQ(1u, op.fileRequests.size());
  EXPECT_EQ("*.png;*.svg;*.pdf", op.fileRequests[0].pattern);
  const QImage png(QString::fromStdString(ordner.file("sicht.png")));
  EXPECT_EQ(QSize(widgets::kBildbreite, widgets::kBildhoehe), png.size());

  Speichern(2, "ganz.svg");
  const std::string svg = Inhalt(ordner.file("ganz.svg"));
  EXPECT_TRUE(QSvgRenderer(QByteArray::fromStdString(svg)).isValid());
  for (const char* s : {"puls.wur", "Curve 1", "Time [ms]", "Output [V]"})
    EXPECT_THAT(svg, HasSubstr(s)) << s;

  Speichern(2, "bericht.pdf");
  EXPECT_THAT(Inhalt(ordner.file("bericht.pdf")), StartsWith("%PDF-"));
  // A name without extension is a PNG picture.
  Speichern(1, "ohne");
  EXPECT_FALSE(QImage(QString::fromStdString(ordner.file("ohne.png"))).isNull());
  EXPECT_EQ(op.messages.size(), 4u);  // the questions only, no refusal
}

TEST_F(Grafikbild, CancelledQuestionAsksForNoFile) {
  op.answerMessage(3);
  panel->Aktionen().BildSpeichern->trigger();
  EXPECT_TRUE(op.fileRequests.empty());
}

TEST_F(Grafikbild, RefusalsKeepAnEarlierFile) {
  const std::string jpg = ordner.file("bild.jpg");
  std::ofstream(jpg) << "earlier";
  Speichern(1, "bild.jpg");
  EXPECT_EQ("Error", op.lastMessageTitle());
  EXPECT_THAT(op.lastMessageText(), HasSubstr("not a picture file name"));
  EXPECT_EQ("earlier", Inhalt(jpg));

  common::Grafikinhalt inhalt;
  std::string meldung;
  ASSERT_EQ(0, curves::KurvenGrafikinhalt(sitzung, {0}, false, inhalt, meldung));
  const std::string png = ordner.file("bild.png");
  std::ofstream(png) << "earlier";
  EXPECT_EQ(widgets::kFehlerBildgroesse,
            widgets::GrafikbildSpeichern(inhalt, png, 50, 700, meldung));
  EXPECT_EQ("earlier", Inhalt(png));
  EXPECT_EQ(widgets::kFehlerBildSchreiben,
            widgets::GrafikbildSpeichern(inhalt, ordner.file("fehlt/bild.png"), 800, 600, meldung));
  EXPECT_THAT(meldung, HasSubstr("cannot write"));
}

TEST_F(Grafikbild, PrintsThePictureOnAPage) {
  common::Grafikinhalt inhalt;
  std::string meldung;
  ASSERT_EQ(0, curves::KurvenGrafikinhalt(sitzung, {0}, true, inhalt, meldung));
  QPrinter drucker;
  drucker.setOutputFormat(QPrinter::PdfFormat);
  const std::string pdf = ordner.file("druck.pdf");
  drucker.setOutputFileName(QString::fromStdString(pdf));
  ASSERT_TRUE(widgets::GrafikbildDrucken(inhalt, drucker));
  EXPECT_THAT(Inhalt(pdf), StartsWith("%PDF-"));
}

TEST_F(Grafikbild, PwlExportThenImportGivesBackTheEditedCurve) {
  const auto vorher = Kurve1().Punkte;
  const std::string pwl = ordner.file("quelle.pwl");
  op.answerFile(pwl);
  panel->Aktionen().Exportieren->trigger();
  ASSERT_EQ("*.txt;*.pwl", op.fileRequests.back().pattern);
  EXPECT_THAT(Inhalt(pwl), HasSubstr("* timebase 10ms"));

  sitzung.gKurven.Kurven[0].Punkte = {curves::kStandardpunkt};
  sitzung.gKurven.KurvenGeaendert = false;
  op.answerFile(pwl);
  panel->Aktionen().Importieren->trigger();
  ASSERT_EQ(vorher.size(), Kurve1().Punkte.size());
  for (std::size_t i = 0; i < vorher.size(); ++i) {
    EXPECT_EQ(vorher[i].Y, Kurve1().Punkte[i].Y) << i;
    EXPECT_EQ(vorher[i].Laenge, Kurve1().Punkte[i].Laenge) << i;
    EXPECT_EQ(vorher[i].Zeitbasis, Kurve1().Punkte[i].Zeitbasis) << i;
  }
  // One step back to what was there before.
  panel->Aktionen().Rueckgaengig->trigger();
  EXPECT_EQ(1, Kurve1().Punktanzahl());
}

TEST_F(Grafikbild, RefusedPwlListChangesNothing) {
  const std::string pwl = ordner.file("kaputt.pwl");
  std::ofstream(pwl) << "0 1\n1m x\n";
  const auto vorher = Kurve1().Punkte;
  op.answerFile(pwl);
  panel->Aktionen().Importieren->trigger();
  EXPECT_THAT(op.messages.front().text, HasSubstr("Error in line 2"));
  ASSERT_EQ(vorher.size(), Kurve1().Punkte.size());
  EXPECT_EQ(4095, Kurve1().Punkte[1].Y);
  EXPECT_FALSE(panel->Aktionen().Rueckgaengig->isEnabled());
}

}  // namespace
}  // namespace kurvenfenster
