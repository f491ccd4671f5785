// The measuring cursors and the mark's readout in the curve window, driven with the mouse
// and the keyboard. The curve: 0 -> 2000 over 4 ms, 2000 -> 1000 over 4 ms, back to 0 in
// 2 ms, all on 1 ms; the output scaled 0..4095 -> 0..10 V.
#include <QLabel>
#include <QSignalSpy>

#include "Fensterhilfen.h"
#include "config/Konfiguration.h"
#include "curves/gui/Kurvenmessung.h"
#include "widgets/Cursorpaar.h"

namespace kurvenfenster {
namespace {

using curves::gui::Werkzeug;

class CursorTest : public FensterTest {
 protected:
  void SetUp() override {
    config::KonfigurationStandardwerte(sitzung.Konfig);
    FensterTest::SetUp();
    sitzung.gKurven.Kurven[0].Punkte = {{0, 4, 1, {}}, {2000, 4, 1, {}}, {1000, 2, 1, {}}};
    panel->KurvenpanelZeichnen();
    panel->Aktionen().Cursorwerkzeug->trigger();
  }
  widgets::Cursorpaar& Cursor() { return panel->Messung().Cursor(); }
  void ShiftKlicken(double x) {
    QTest::mouseClick(graph(), Qt::LeftButton, Qt::ShiftModifier, Pixel(x, 1000));
  }
  void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = {}) {
    QTest::keyClick(graph(), taste, mod);
  }
};

TEST_F(CursorTest, ShiftClicksPlaceBothCursorsOnPointsAndTheReadoutMeasuresTheOutput) {
  ShiftKlicken(4100);
  ShiftKlicken(7850);
  ASSERT_EQ(2, Cursor().Stellung().Gesetzt);
  EXPECT_DOUBLE_EQ(4000.0, Cursor().Stellung().X1);
  EXPECT_DOUBLE_EQ(8000.0, Cursor().Stellung().X2);
  const QString text = Cursor().Text();
  // 2000 and 1000 of 4095 at 10 V; 4 ms apart.
  for (const char* teil : {"t1 = 4 ms", "y1 = 4.8840 V", "t2 = 8 ms", "y2 = 2.4420 V", "Δt = 4 ms",
                           "1/Δt = 250 Hz", "Δy = -2.4420 V", "slope = -610.501 V/s"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(teil))) << teil << "\n" << text.toStdString();
  EXPECT_TRUE(Cursor().Linie(1)->visible());
}

TEST_F(CursorTest, OneCursorReadsItsTimeAndValueOnly) {
  ShiftKlicken(1900);  // nearer the start than the point at 4 ms
  EXPECT_DOUBLE_EQ(0.0, Cursor().Stellung().X1);
  EXPECT_EQ(QString("t1 = 0 µs"), Cursor().Text().section("y1", 0, 0).trimmed());
  EXPECT_TRUE(Cursor().Text().endsWith("y1 = 0.0000 V"));
  EXPECT_FALSE(Cursor().Linie(1)->visible());
}

TEST_F(CursorTest, DraggingMovesTheCursorUnderThePress) {
  ShiftKlicken(4000);
  ShiftKlicken(8000);
  Ziehen(Pixel(8000, 1000), Pixel(6000, 3000));
  EXPECT_DOUBLE_EQ(4000.0, Cursor().Stellung().X1);
  EXPECT_DOUBLE_EQ(Koordinate(Pixel(6000, 0)).x(), Cursor().Stellung().X2);
  // With both placed, a press away from them brings the nearer one.
  Klicken(Pixel(3000, 1000));
  EXPECT_DOUBLE_EQ(Koordinate(Pixel(3000, 0)).x(), Cursor().Stellung().X1);
  EXPECT_EQ(0, Cursor().Gewaehlt());
}

TEST_F(CursorTest, ArrowKeysMoveTheChosenCursorByAPixelOrWithShiftToThePoints) {
  ShiftKlicken(4000);
  Klicken(Pixel(6000, 1000));
  ASSERT_EQ(1, Cursor().Gewaehlt());
  const double x = Cursor().Stellung().X2;
  Taste(Qt::Key_Right);
  const double schritt = Cursor().Stellung().X2 - x;
  EXPECT_NEAR(graph()->xAxis->range().size() / graph()->axisRect()->width(), schritt, 1e-6);
  struct Schritt {
    Qt::Key Taste;
    double Erwartet;
  };
  // Points at 0, 4 and 8 ms, the curve's end at 10 ms; none after the end.
  for (const Schritt s : {Schritt{Qt::Key_Right, 8000},
                          {Qt::Key_Right, 10000},
                          {Qt::Key_Right, 10000},
                          {Qt::Key_Left, 8000},
                          {Qt::Key_Left, 4000}}) {
    Taste(s.Taste, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(s.Erwartet, Cursor().Stellung().X2);
  }
  EXPECT_DOUBLE_EQ(4000.0, Cursor().Stellung().X1);  // the other one stays
}

TEST_F(CursorTest, MovingACursorRedrawsTheOverlayOnly) {
  ShiftKlicken(4000);
  QApplication::processEvents();
  EXPECT_EQ(QCPLayer::lmBuffered, graph()->layer("overlay")->mode());
  QSignalSpy volleNeuzeichnungen(graph(), &QCustomPlot::beforeReplot);
  Ziehen(Pixel(4000, 1000), Pixel(7000, 1000));
  Taste(Qt::Key_Left);
  EXPECT_EQ(0, volleNeuzeichnungen.count());
  EXPECT_EQ(graph()->layer("overlay"), Cursor().Linie(0)->layer());
}

TEST_F(CursorTest, AnotherToolHidesTheCursorsKeepingThemAndTheMark) {
  sitzung.gMarkierung = {2000, 6000, true};
  ShiftKlicken(4000);
  Werkzeug(Werkzeug::Markieren);
  EXPECT_FALSE(Cursor().Linie(0)->visible());
  EXPECT_FALSE(Cursor().Anzeige()->visible());
  EXPECT_EQ(QCPLayer::lmLogical, graph()->layer("overlay")->mode());
  // The Select tool's press now marks; the cursor does not move.
  Ziehen(Pixel(1000, 1000), Pixel(3000, 1000));
  panel->Aktionen().Cursorwerkzeug->trigger();
  EXPECT_TRUE(Cursor().Linie(0)->visible());
  EXPECT_DOUBLE_EQ(4000.0, Cursor().Stellung().X1);
  EXPECT_TRUE(sitzung.gMarkierung.Aktiv);  // choosing the cursors keeps the mark
}

TEST_F(CursorTest, AnEditShowsInTheReadoutAtOnce) {
  ShiftKlicken(4000);
  sitzung.gKurven.Kurven[0].Punkte[1].Y = 4095;
  panel->KurvenpanelZeichnen();
  EXPECT_TRUE(Cursor().Text().contains("y1 = 10.0000 V")) << Cursor().Text().toStdString();
}

TEST_F(CursorTest, AnEmptyCurveGivesNoReadoutAndCursorsThatDoNotSnap) {
  sitzung.gKurven.Kurven[0].Punkte.clear();
  ShiftKlicken(4000);
  EXPECT_EQ(1, Cursor().Stellung().Gesetzt);
  EXPECT_DOUBLE_EQ(Koordinate(Pixel(4000, 0)).x(), Cursor().Stellung().X1);
  EXPECT_TRUE(Cursor().Text().isEmpty());
  EXPECT_FALSE(Cursor().Anzeige()->visible());
  Taste(Qt::Key_Right, Qt::ShiftModifier);  // nowhere to snap: stays
  EXPECT_DOUBLE_EQ(Koordinate(Pixel(4000, 0)).x(), Cursor().Stellung().X1);
}

TEST_F(CursorTest, TheMarkReadoutGivesExtentPointsAndTheHeldOutput) {
  QLabel* anzeige = panel->Messung().Markierungsanzeige();
  EXPECT_TRUE(anzeige->isHidden());
  // The mark given back to front; samples held in it: 1000, 1500, 2000, 1750.
  sitzung.gMarkierung = {6000, 2000, true};
  panel->KurvenpanelZeichnen();
  EXPECT_FALSE(anzeige->isHidden());
  EXPECT_EQ(QString("Mark 2 ms to 6 ms, duration 4 ms, 1 point; output min 2.4420 V, "
                    "max 4.8840 V, mean 3.8156 V, RMS 3.9210 V"),
            anzeige->text());
  // Another tool takes the mark away, and the readout with it.
  Werkzeug(Werkzeug::Zeichnen);
  EXPECT_TRUE(anzeige->isHidden());
}

TEST(Stellensuche, NearestPreviousAndNextPlace) {
  const std::vector<double> stellen{0, 4000, 8000};
  struct Fall {
    double X;
    int Richtung;
    std::optional<double> Erwartet;
  };
  for (const Fall& f : {Fall{1999, 0, 0.0},
                        {2000, 0, 0.0},
                        {2001, 0, 4000.0},
                        {-5, 0, 0.0},
                        {9000, 0, 8000.0},
                        {4000, 1, 8000.0},
                        {4000, -1, 0.0},
                        {8000, 1, {}},
                        {0, -1, {}},
                        {3999, 1, 4000.0}})
    EXPECT_EQ(f.Erwartet, widgets::NaechsteStelle(stellen, f.X, f.Richtung))
        << f.X << " " << f.Richtung;
  EXPECT_EQ(std::nullopt, widgets::NaechsteStelle({}, 1.0, 0));
}

}  // namespace
}  // namespace kurvenfenster
