// The curve window driven with real mouse events and its menu and toolbar actions.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "Fensterhilfen.h"
#include "config/Konfiguration.h"
#include "curves/files/KurvendateiMenue.h"
#include "curves/gui/Kurvendialoge.h"
#include "curves/gui/KurvenpanelModul.h"
#include "ini/IniStore.h"
#include "support/TempDir.h"
#include "ui_KOMM1PNL.h"
#include "widgets/Graphscrollbar.h"
#include "widgets/Navigation.h"

namespace kurvenfenster {
namespace {

using curves::gui::Werkzeug;
using widgets::ScrollbarDaumen;
using widgets::ScrollbarPosition;

TEST_F(FensterTest, DrawingPointsWithThe1msTimeBase) {
  Werkzeug(Werkzeug::Zeichnen);
  Zeitbasis("1ms");
  const QPoint p = Pixel(5000, 2000);
  Klicken(p);
  ASSERT_EQ(2, Kurve1().Punktanzahl());
  EXPECT_EQ(5, Kurve1().Punkte[0].Laenge);  // 5 ms to the click on the 1 ms grid
  EXPECT_EQ(1, Kurve1().Punkte[0].Zeitbasis);
  EXPECT_EQ(1, Kurve1().Punkte[1].Laenge);
  EXPECT_EQ(1, Kurve1().Punkte[1].Zeitbasis);
  EXPECT_EQ(static_cast<int>(std::floor(Koordinate(p).y() + 0.5)), Kurve1().Punkte[1].Y);
  EXPECT_DOUBLE_EQ(6000.0, curves::Kurvenlaenge(sitzung, 0));
  // The preview is gone after the release; the lines and steps show the new curve.
  EXPECT_TRUE(panel->Grafik().VorschauPunkt()->data()->isEmpty());
  EXPECT_EQ(2, panel->Grafik().Aktuell().Punkte->data()->size());
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);

  // A second point 2 ms later on the 250 us grid.
  Zeitbasis("250us");
  Klicken(Pixel(8000, 1000));
  ASSERT_EQ(3, Kurve1().Punktanzahl());
  EXPECT_EQ(9, Kurve1().Punkte[2].Zeitbasis);
  EXPECT_EQ(12, Kurve1().Punkte[1].Laenge);  // 5000 -> 8000 in 250 us units
}

TEST_F(FensterTest, DrawPreviewFollowsTheMouseWhileHeld) {
  Werkzeug(Werkzeug::Zeichnen);
  Zeitbasis("1ms");
  QTest::mousePress(graph(), Qt::LeftButton, {}, Pixel(3000, 1000));
  Bewegen(Pixel(4020, 1000));
  auto* punkt = panel->Grafik().VorschauPunkt();
  ASSERT_EQ(1, punkt->data()->size());
  EXPECT_DOUBLE_EQ(4000.0, punkt->data()->begin()->key);  // snapped to the 1 ms grid
  EXPECT_EQ(4, panel->Ui().XMILISEKUNDEN->value());
  EXPECT_EQ(1, Kurve1().Punktanzahl());  // nothing drawn before the release
  QTest::mouseRelease(graph(), Qt::LeftButton, {}, Pixel(4020, 1000));
  EXPECT_EQ(2, Kurve1().Punktanzahl());
}

TEST_F(FensterTest, MovingAPointKeepsTheGrid) {
  sitzung.gKurven.Kurven[0].Punkte = {{0, 4, 1, {}}, {2000, 4, 1, {}}, {1000, 2, 1, {}}};
  panel->KurvenpanelZeichnen();
  Werkzeug(Werkzeug::Verschieben);
  Ziehen(Pixel(4000, 2000), Pixel(6000, 3000));
  EXPECT_EQ(6, Kurve1().Punkte[0].Laenge);
  EXPECT_EQ(2, Kurve1().Punkte[1].Laenge);
  EXPECT_NEAR(3000, Kurve1().Punkte[1].Y, 10);
  EXPECT_DOUBLE_EQ(10000.0, curves::Kurvenlaenge(sitzung, 0));
  EXPECT_TRUE(panel->Grafik().VorschauPunkt()->data()->isEmpty());
}

TEST_F(FensterTest, SelectingRightToLeftAndCutAndPaste) {
  sitzung.gKurven.Kurven[0].Punkte = {
      {0, 2, 1, {}}, {1000, 2, 1, {}}, {2000, 2, 1, {}}, {3000, 2, 1, {}}, {4000, 1, 1, {}}};
  panel->KurvenpanelZeichnen();
  Werkzeug(Werkzeug::Markieren);
  const QPoint rechts = Pixel(6500, 2000), links = Pixel(1500, 2000);
  Ziehen(rechts, links);
  ASSERT_TRUE(sitzung.gMarkierung.Aktiv);
  EXPECT_DOUBLE_EQ(std::floor(Koordinate(links).x() + 0.5), sitzung.gMarkierung.Start);
  EXPECT_DOUBLE_EQ(std::floor(Koordinate(rechts).x() + 0.5), sitzung.gMarkierung.Ende);
  EXPECT_TRUE(panel->Grafik().MarkierungGross()->visible());
  EXPECT_TRUE(panel->Grafik().MarkierungKlein()->visible());

  // Points starting at 2000 and 4000 are cut; the curve gets 4 ms shorter.
  panel->Aktionen().Ausschneiden->trigger();
  EXPECT_FALSE(sitzung.gMarkierung.Aktiv);
  ASSERT_EQ(3, Kurve1().Punktanzahl());
  EXPECT_EQ(3000, Kurve1().Punkte[1].Y);
  EXPECT_DOUBLE_EQ(5000.0, curves::Kurvenlaenge(sitzung, 0));
  EXPECT_EQ(2u, sitzung.gKurven.Zwischenspeicher.size());

  // Paste them back behind the first point.
  Ziehen(Pixel(2500, 2000), Pixel(2500, 2000));
  ASSERT_TRUE(sitzung.gMarkierung.Aktiv);
  panel->Aktionen().Einfuegen->trigger();
  EXPECT_EQ(5, Kurve1().Punktanzahl());
  EXPECT_TRUE(op.messages.empty());

  // Undo restores the state before the paste.
  EXPECT_TRUE(panel->Aktionen().Rueckgaengig->isEnabled());
  panel->Aktionen().Rueckgaengig->trigger();
  EXPECT_EQ(3, Kurve1().Punktanzahl());
}

TEST_F(FensterTest, UndoAndRedoEnabling) {
  const auto& a = panel->Aktionen();
  EXPECT_FALSE(a.Rueckgaengig->isEnabled());
  EXPECT_FALSE(a.RueckgaengigKnopf->isEnabled());
  EXPECT_FALSE(a.WiederherstellenKnopf->isEnabled());
  Werkzeug(Werkzeug::Zeichnen);
  Klicken(Pixel(5000, 2000));
  EXPECT_TRUE(a.Rueckgaengig->isEnabled());
  EXPECT_TRUE(a.RueckgaengigKnopf->isEnabled());
  EXPECT_FALSE(a.WiederherstellenKnopf->isEnabled());
  a.RueckgaengigKnopf->trigger();
  EXPECT_EQ(1, Kurve1().Punktanzahl());
  EXPECT_FALSE(a.RueckgaengigKnopf->isEnabled());
  EXPECT_TRUE(a.WiederherstellenKnopf->isEnabled());
  EXPECT_TRUE(a.Wiederherstellen->isEnabled());
  a.Wiederherstellen->trigger();
  EXPECT_EQ(2, Kurve1().Punktanzahl());
  EXPECT_TRUE(a.RueckgaengigKnopf->isEnabled());
  EXPECT_FALSE(a.WiederherstellenKnopf->isEnabled());
}

TEST_F(FensterTest, ZoomFiguresAndScrollBar) {
  auto* bar = panel->Ui().SCROLLBAR;
  EXPECT_EQ(0, ScrollbarPosition(bar));
  EXPECT_EQ(100, ScrollbarDaumen(bar));
  EXPECT_EQ(bar->maximum(), bar->minimum());  // the thumb fills the bar
  panel->Aktionen().ZoomPlus->trigger();
  EXPECT_DOUBLE_EQ(1666, sitzung.gSicht.XStart);
  EXPECT_DOUBLE_EQ(8333, sitzung.gSicht.XEnde);
  EXPECT_DOUBLE_EQ(1666, graph()->xAxis->range().lower);
  EXPECT_DOUBLE_EQ(8334, graph()->xAxis->range().upper);
  // Width 6668 of 10000: thumb 67 per cent, position 100 * 1666 / 3332 = 50.
  EXPECT_EQ(67, ScrollbarDaumen(bar));
  EXPECT_EQ(50, ScrollbarPosition(bar));
  auto* rahmen = panel->Grafik().Rahmen();
  EXPECT_DOUBLE_EQ(1666, rahmen->topLeft->coords().x());
  EXPECT_DOUBLE_EQ(8334, rahmen->bottomRight->coords().x());

  // Dragging the thumb with the mouse moves the view only when it is let go.
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.orientation = Qt::Horizontal;
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = bar->sliderPosition();
  opt.sliderValue = bar->value();
  opt.pageStep = bar->pageStep();
  opt.singleStep = bar->singleStep();
  opt.upsideDown = false;
  const QRect daumen =
      bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
  // The drawn thumb covers its share of the groove.
  const QRect rinne =
      bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarGroove, bar);
  EXPECT_NEAR(0.67, double(daumen.width()) / rinne.width(), 0.03);
  const QPoint von = daumen.center();
  const QPoint bis(von.x() - bar->width(), von.y());  // far left: position 0
  QTest::mousePress(bar, Qt::LeftButton, {}, von);
  QMouseEvent ziehen(QEvent::MouseMove, bis, bar->mapToGlobal(bis), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
  QApplication::sendEvent(bar, &ziehen);
  EXPECT_EQ(0, ScrollbarPosition(bar));
  EXPECT_DOUBLE_EQ(1666, sitzung.gSicht.XStart);  // not yet
  QTest::mouseRelease(bar, Qt::LeftButton, {}, bis);
  EXPECT_DOUBLE_EQ(0, sitzung.gSicht.XStart);
  EXPECT_DOUBLE_EQ(6667, sitzung.gSicht.XEnde);
  EXPECT_DOUBLE_EQ(0, graph()->xAxis->range().lower);

  panel->Aktionen().ZoomVoll->trigger();
  EXPECT_DOUBLE_EQ(0, sitzung.gSicht.XStart);
  EXPECT_DOUBLE_EQ(9999, sitzung.gSicht.XEnde);
  panel->Aktionen().ZoomMinus->trigger();
  EXPECT_DOUBLE_EQ(0, sitzung.gSicht.XStart);
  EXPECT_DOUBLE_EQ(14999, sitzung.gSicht.XEnde);
  EXPECT_EQ(100, ScrollbarDaumen(bar));

  // Zoom to selection with an inactive mark does nothing.
  panel->Aktionen().ZoomMarkierung->trigger();
  EXPECT_DOUBLE_EQ(14999, sitzung.gSicht.XEnde);
}

TEST_F(FensterTest, ScrollBarDoesNotScrollInHelpMode) {
  auto* bar = panel->Ui().SCROLLBAR;
  panel->Aktionen().ZoomPlus->trigger();
  ASSERT_EQ(50, ScrollbarPosition(bar));
  panel->Aktionen().Direkthilfe->trigger();
  ASSERT_TRUE(widgets::HilfeAktiv());
  // A click into the bar beside the thumb, and a step from the keyboard.
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 30, bar->height() / 2));
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_DOUBLE_EQ(1666, sitzung.gSicht.XStart);
  EXPECT_EQ(50, ScrollbarPosition(bar));
  panel->Aktionen().Direkthilfe->trigger();
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_GT(sitzung.gSicht.XStart, 1666);
}

TEST_F(FensterTest, ScrollBarFollowsEditsAndUndo) {
  auto* bar = panel->Ui().SCROLLBAR;
  panel->Aktionen().ZoomPlus->trigger();  // 1666..8333 of 10000: thumb 67
  ASSERT_EQ(67, ScrollbarDaumen(bar));
  // A point at 8000 us on the 250 us base shortens the curve to 8250 us.
  Werkzeug(Werkzeug::Zeichnen);
  Klicken(Pixel(8000, 2000));
  ASSERT_EQ(2, Kurve1().Punktanzahl());
  EXPECT_DOUBLE_EQ(8250, curves::Kurvenlaenge(sitzung, 0));
  EXPECT_EQ(81, ScrollbarDaumen(bar));  // round(6668 / 8250 * 100)
  panel->Aktionen().Rueckgaengig->trigger();
  EXPECT_EQ(67, ScrollbarDaumen(bar));
  panel->Aktionen().Wiederherstellen->trigger();
  EXPECT_EQ(81, ScrollbarDaumen(bar));
}

TEST_F(FensterTest, DirectHelpOnNewKeepsTheCurves) {
  Werkzeug(Werkzeug::Zeichnen);
  Klicken(Pixel(5000, 2000));
  ASSERT_EQ(2, Kurve1().Punktanzahl());
  panel->Aktionen().Direkthilfe->trigger();
  ASSERT_TRUE(widgets::HilfeAktiv());
  EXPECT_TRUE(panel->Aktionen().Direkthilfe->isChecked());
  EXPECT_EQ("Direct help mode activated!\nTo quit click the '?' icon.", op.helpTexts.back());
  panel->Aktionen().Neu->trigger();
  EXPECT_EQ("Deletes all curves.", op.helpTexts.back());
  EXPECT_EQ(2, Kurve1().Punktanzahl());
  EXPECT_TRUE(op.messages.empty());  // not even the save question

  // A tool click shows its text and leaves the tool as it was.
  panel->Aktionen().Werkzeuge[static_cast<int>(Werkzeug::PunktLoeschen)]->trigger();
  EXPECT_EQ("Deletes a curve point.\nThe total length of the curve remains unchanged.",
            op.helpTexts.back());
  EXPECT_EQ(Werkzeug::Zeichnen, panel->AktivesWerkzeug());

  // A click on the graph shows the long text and draws nothing.
  Klicken(Pixel(8000, 1000));
  EXPECT_EQ(2, Kurve1().Punktanzahl());
  EXPECT_EQ(0u, op.helpTexts.back().find("Graphical representation of the curves"));

  // A click on a control, on a numeric field and on the time-base indicator.
  QTest::mouseClick(panel->Ui().KOMMENTAR, Qt::LeftButton);
  EXPECT_EQ("Opens the comment field for the current curve.", op.helpTexts.back());
  EXPECT_TRUE(op.messages.empty());
  QTest::mouseClick(panel->Ui().YRASTER->findChild<QLineEdit*>(), Qt::LeftButton);
  EXPECT_EQ("Grid for drawing the points\nin Y-direction.", op.helpTexts.back());
  QTest::mouseClick(panel->Ui().ZEITBASISINDICATOR, Qt::LeftButton);
  EXPECT_EQ(0u, op.helpTexts.back().find("Display of the point coordinates"));
  QTest::mouseClick(panel->Ui().GRAPHKLEIN, Qt::LeftButton);
  EXPECT_EQ("Total curve view.\nRed frame = section shown in the large graphic.",
            op.helpTexts.back());
  // Writing to the device does nothing but show its text.
  QTest::mouseClick(panel->Ui().SCHREIBEN, Qt::LeftButton);
  EXPECT_EQ(0u, op.helpTexts.back().find("Transfers the curves to the WUN-2."));
  EXPECT_TRUE(op.progressTitles.empty());
  // Start and Stop are the COM window's commands, with its texts.
  verbindung.ComFehlerSetzen(0);
  QTest::mouseClick(panel->Ui().START, Qt::LeftButton);
  EXPECT_EQ("Sends the Start command to the WUN-2.", op.helpTexts.back());
  QTest::mouseClick(panel->Ui().STOPP, Qt::LeftButton);
  EXPECT_EQ("Sends the Stop command to the WUN-2.", op.helpTexts.back());
  EXPECT_EQ(0, verbindung.AktuelleFehlerfelder().nummer);  // nothing sent

  panel->Aktionen().Direkthilfe->trigger();
  EXPECT_FALSE(widgets::HilfeAktiv());
  EXPECT_FALSE(panel->Aktionen().Direkthilfe->isChecked());
}

TEST_F(FensterTest, FortyCharacterCommentAndItsPreview) {
  const QString text = "0123456789abcdefghij0123456789ABCDEFGHIJ";
  auto& d = panel->Dialoge();
  QTimer::singleShot(0, [&] {
    EXPECT_EQ("Comment - curve 1", d.Kommentarfenster()->windowTitle());
    d.KommentarUi().TEXT->setPlainText(text + "\nzweite Zeile");
    // Escape does not close it: there is no cancel.
    QTest::keyClick(d.Kommentarfenster(), Qt::Key_Escape);
    EXPECT_TRUE(d.Kommentarfenster()->isVisible());
    d.KommentarUi().OK->click();
  });
  QTest::mouseClick(panel->Ui().KOMMENTAR, Qt::LeftButton);
  EXPECT_EQ((text + "\nzweite Zeile").toStdString(), Kurve1().Kommentar);
  EXPECT_EQ(text.left(30), panel->Ui().KOMMENTARVORSCHAU->text());
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
}

TEST_F(FensterTest, CommentIsCutAt999Characters) {
  auto& d = panel->Dialoge();
  QTimer::singleShot(0, [&] {
    d.KommentarUi().TEXT->setPlainText(QString(1200, 'x'));
    d.KommentarUi().OK->click();
  });
  panel->KommentarBearbeiten();
  EXPECT_EQ(std::string(999, 'x'), Kurve1().Kommentar);
}

TEST_F(FensterTest, SaveQuestionWithoutFileName) {
  sitzung.gKurven.KurvenGeaendert = true;
  op.answerMessage(3);  // Cancel
  panel->Aktionen().Neu->trigger();
  ASSERT_EQ(1u, op.messages.size());
  EXPECT_EQ("Warning", op.messages[0].title);
  EXPECT_EQ("Would you like to save changes to Curve generator ?", op.messages[0].text);
  EXPECT_EQ((std::vector<std::string>{"Yes", "No", "Cancel"}), op.messages[0].buttons);
  EXPECT_EQ(1, Kurve1().Punktanzahl());
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_EQ("Curve generator", panel->windowTitle());
}

TEST_F(FensterTest, YZoomFieldsInTheWrongOrderAreReset) {
  auto& u = panel->Ui();
  const double max = u.YZOOMMAX->value();
  u.YZOOMMIN->setValue(max);
  u.YZOOMMAX->setValue(max / 2);
  emit u.YZOOMMAX->editingFinished();
  EXPECT_EQ(0, sitzung.gKurven.YZoomMin[0]);
  EXPECT_EQ(4095, sitzung.gKurven.YZoomMax[0]);
  EXPECT_DOUBLE_EQ(max, u.YZOOMMAX->value());
  EXPECT_DOUBLE_EQ(0, u.YZOOMMIN->value());

  u.YZOOMMIN->setValue(max / 4);
  u.YZOOMMAX->setValue(max / 2);
  emit u.YZOOMMAX->editingFinished();
  EXPECT_NEAR(1023, sitzung.gKurven.YZoomMin[0], 1);
  EXPECT_NEAR(2047, sitzung.gKurven.YZoomMax[0], 1);
  EXPECT_NEAR(sitzung.gKurven.YZoomMax[0], graph()->yAxis->range().upper, 1e-9);
}

TEST_F(FensterTest, LeavingTheYZoomFieldsUnchangedKeepsTheLimits) {
  // The fields show four decimals of the unit; the limits they stand for must survive a
  // commit without an edit, whichever way the shown value was rounded.
  auto& u = panel->Ui();
  for (int roh = 1000; roh < 1010; ++roh) {
    sitzung.gKurven.YZoomMin[0] = roh;
    sitzung.gKurven.YZoomMax[0] = roh + 2001;
    panel->KurvenpanelZeichnen();
    for (int mal = 0; mal < 3; ++mal) {
      emit u.YZOOMMIN->editingFinished();
      emit u.YZOOMMAX->editingFinished();
    }
    EXPECT_EQ(roh, sitzung.gKurven.YZoomMin[0]);
    EXPECT_EQ(roh + 2001, sitzung.gKurven.YZoomMax[0]);
  }
  // Across the range and in other units (an offset, a small span, a falling scale).
  const config::Konfiguration gespeichert = sitzung.Konfig.gKonfig;
  sitzung.Konfig.gKonfig.voutmax = 10.0;
  sitzung.Konfig.gKonfig.outmin[0] = 0.0;
  sitzung.Konfig.gKonfig.outmax[0] = 10.0;
  for (auto [unten, oben] : {std::pair{-50.0, 150.0}, {0.0, 0.02}, {7.3, -1.1}}) {
    sitzung.Konfig.gKonfig.outskalamin[0] = unten;
    sitzung.Konfig.gKonfig.outskalamax[0] = oben;
    for (int roh = 0; roh + 2000 <= 4095; roh += 53) {
      sitzung.gKurven.YZoomMin[0] = roh;
      sitzung.gKurven.YZoomMax[0] = roh + 2000;
      panel->KurvenpanelZeichnen();
      emit u.YZOOMMIN->editingFinished();
      emit u.YZOOMMAX->editingFinished();
      EXPECT_EQ(roh, sitzung.gKurven.YZoomMin[0]) << unten << " .. " << oben;
      EXPECT_EQ(roh + 2000, sitzung.gKurven.YZoomMax[0]) << unten << " .. " << oben;
    }
  }
  sitzung.Konfig.gKonfig = gespeichert;
  sitzung.gKurven.YZoomMin[0] = 1009;
  sitzung.gKurven.YZoomMax[0] = 1009 + 2001;
  panel->KurvenpanelZeichnen();

  // A typed value is still taken as typed.
  u.YZOOMMIN->setValue(0.0);
  emit u.YZOOMMIN->editingFinished();
  EXPECT_EQ(0, sitzung.gKurven.YZoomMin[0]);
  EXPECT_EQ(1009 + 2001, sitzung.gKurven.YZoomMax[0]);
}

TEST_F(FensterTest, QuickSecondClickStillDraws) {
  Werkzeug(Werkzeug::Zeichnen);
  Zeitbasis("1ms");
  Klicken(Pixel(3000, 1000));
  ASSERT_EQ(2, Kurve1().Punktanzahl());
  // A second press soon after arrives as a double click, then its release.
  const QPoint p = Pixel(3000, 1000) + QPoint(2, 0);
  QMouseEvent doppelt(QEvent::MouseButtonDblClick, p, graph()->mapToGlobal(p), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(graph(), &doppelt);
  QTest::mouseRelease(graph(), Qt::LeftButton, {}, p);
  EXPECT_EQ(3, Kurve1().Punktanzahl());

  // The same for the Select tool: the second click starts a new mark.
  Werkzeug(Werkzeug::Markieren);
  Ziehen(Pixel(1000, 1000), Pixel(2000, 1000));
  const QPoint q = Pixel(2000, 1000) + QPoint(1, 0);
  QMouseEvent doppelt2(QEvent::MouseButtonDblClick, q, graph()->mapToGlobal(q), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(graph(), &doppelt2);
  QTest::mouseRelease(graph(), Qt::LeftButton, {}, q);
  EXPECT_DOUBLE_EQ(sitzung.gMarkierung.Start, sitzung.gMarkierung.Ende);
  EXPECT_DOUBLE_EQ(std::floor(Koordinate(q).x() + 0.5), sitzung.gMarkierung.Start);
}

TEST_F(FensterTest, FullRedrawTakesALeftOverPreviewAway) {
  Werkzeug(Werkzeug::Zeichnen);
  QTest::mousePress(graph(), Qt::LeftButton, {}, Pixel(3000, 1000));
  ASSERT_EQ(1, panel->Grafik().VorschauPunkt()->data()->size());
  panel->KurvenpanelZeichnen();
  EXPECT_TRUE(panel->Grafik().VorschauPunkt()->data()->isEmpty());
  EXPECT_TRUE(panel->Grafik().VorschauLinie()->data()->isEmpty());
  QTest::mouseRelease(graph(), Qt::LeftButton, {}, Pixel(3000, 1000));
  EXPECT_EQ(2, Kurve1().Punktanzahl());
}

TEST_F(FensterTest, StepsOfALineAndColours) {
  // Laenge 4 at 1 ms from 0 to 100: steps at 0, 25, 50, 75 and the rise to 100 at 4 ms.
  sitzung.gKurven.Kurven[0].Punkte = {{0, 4, 1, {}}, {100, 1, 1, {}}};
  panel->KurvenpanelZeichnen();
  const auto& g = panel->Grafik().Aktuell();
  std::vector<std::pair<double, double>> stufen;
  for (auto it = g.Stufen->data()->constBegin(); it != g.Stufen->data()->constEnd(); ++it)
    stufen.emplace_back(it->key, it->value);
  // Every corner of the staircase, joined by straight pieces.
  const std::vector<std::pair<double, double>> erwartet = {{0, 0},     {1000, 0},  {1000, 25},
                                                           {2000, 25}, {2000, 50}, {3000, 50},
                                                           {3000, 75}, {4000, 75}, {4000, 100}};
  EXPECT_EQ(erwartet, stufen);
  EXPECT_EQ(QCPGraph::lsLine, g.Stufen->lineStyle());
  EXPECT_EQ(curves::gui::kBlau, g.Stufen->pen().color());
  EXPECT_EQ(curves::gui::kRot, g.Linien->pen().color());
  EXPECT_EQ(curves::gui::kHellrot, g.Schlusslinie->pen().color());
  EXPECT_EQ(curves::gui::kHellblau, g.Schlussstufen->pen().color());
  EXPECT_EQ(2, g.Schlusslinie->data()->size());

  // Steps only: no lines, the point markers stay.
  panel->Aktionen().Darstellung[2]->trigger();
  EXPECT_EQ(2, panel->Darstellung());
  EXPECT_TRUE(g.Linien->data()->isEmpty());
  EXPECT_EQ(2, g.Punkte->data()->size());
  EXPECT_TRUE(g.Punkte->visible());
  EXPECT_TRUE(panel->Aktionen().DarstellungKnopf[2]->isChecked());
}

TEST_F(FensterTest, TimeBaseMarkersWithTheShowTool) {
  sitzung.gKurven.Kurven[0].Punkte = {{0, 4, 1, {}}, {100, 2, 3, {}}, {0, 1, 3, {}}};
  Werkzeug(Werkzeug::Koordinaten);
  EXPECT_TRUE(panel->ZeitbasenZeigen());
  panel->KurvenpanelZeichnen();
  const auto& texte = panel->Grafik().ZeitbasisTexte();
  ASSERT_EQ(2u, texte.size());
  EXPECT_EQ("1ms", texte[0]->text());
  EXPECT_EQ("5ms", texte[1]->text());
  EXPECT_DOUBLE_EQ(4000, texte[1]->position->coords().x());
  Klicken(Pixel(6000, 500));
  EXPECT_EQ("5ms", panel->Ui().ZEITBASISINDICATOR->currentText());
  // It only shows: keys and the wheel do not change it.
  QTest::keyClick(panel->Ui().ZEITBASISINDICATOR, Qt::Key_Down);
  EXPECT_EQ("5ms", panel->Ui().ZEITBASISINDICATOR->currentText());
  Werkzeug(Werkzeug::Markieren);
  EXPECT_TRUE(panel->Grafik().ZeitbasisTexte().empty());
}

TEST_F(FensterTest, MemoryFieldTurnsRedAboveTheDeviceMemory) {
  EXPECT_EQ("0.1", panel->Ui().SPEICHERBEDARF->text());
  EXPECT_EQ(QColor(0xC0, 0xC0, 0xC0), panel->Ui().SPEICHERBEDARF->palette().color(QPalette::Base));
  sitzung.gKurven.Kurven[1].Punkte = {{0, 40000, 1, {}}};
  panel->KurvenpanelZeichnen();
  EXPECT_EQ(QColor(0xFF, 0, 0), panel->Ui().SPEICHERBEDARF->palette().color(QPalette::Base));
}

TEST_F(FensterTest, SetUpAsThisBuildHasIt) {
  auto& u = panel->Ui();
  EXPECT_TRUE(u.ZYKLEN->isHidden());
  EXPECT_TRUE(u.RUHEZUSTAND->isHidden());
  for (auto* k : panel->Aktionen().KurveWaehlen) EXPECT_FALSE(k->isEnabled());
  EXPECT_TRUE(panel->Aktionen().Darstellung[0]->isChecked());  // "Lines + Steps"
  QStringList menues;
  for (QAction* m : panel->menuBar()->actions()) menues << m->text();
  EXPECT_EQ((QStringList{"file", "edit", "view", "windows", "help"}), menues);
  QStringList bearbeiten;
  for (QAction* a : panel->menuBar()->actions()[1]->menu()->actions())
    if (!a->isSeparator()) bearbeiten << a->text();
  EXPECT_EQ((QStringList{"Cut", "Copy", "Paste", "Delete", "Insert shape…", "Select all", "Undo",
                         "Redo", "Select", "Draw point", "Move point", "Chance point coordinates",
                         "Show timebases", "Ripup point", "Divide line", "Change timebase",
                         "Changes length of line", "Cursors"}),
            bearbeiten);
  EXPECT_EQ(QKeySequence(QKeySequence::Undo), panel->Aktionen().Rueckgaengig->shortcut());
  // The other menus, separators as "-".
  auto eintraege = [](QMenu* m) {
    QStringList l;
    for (QAction* a : m->actions()) l << (a->isSeparator() ? QString("-") : a->text());
    return l;
  };
  const auto menues2 = panel->menuBar()->actions();
  EXPECT_EQ((QStringList{"New", "Open curves", "Append curves", "Save curves", "Save curves as",
                         "Import curves", "Export curves", "-", "Import CSV\u2026",
                         "Save graph as picture\u2026", "Print graph\u2026", "-", "Exit"}),
            eintraege(menues2[0]->menu()));
  EXPECT_EQ((QStringList{"Zoom +", "Zoom -", "Zoom to selection", "Zoom full", "Point table", "-",
                         "Display types of curves"}),
            eintraege(menues2[2]->menu()));
  EXPECT_EQ((QStringList{"Lines + Steps", "Lines", "Steps"}),
            eintraege(menues2[2]->menu()->actions().last()->menu()));
  EXPECT_EQ((QStringList{"Main window", "COM settings", "Curve generator"}),
            eintraege(menues2[3]->menu()));
  EXPECT_EQ((QStringList{"Direct help"}), eintraege(menues2[4]->menu()));

  // The toolbar's tooltips left to right, with the time-base list.
  QStringList tipps;
  for (QAction* a : panel->Werkzeugleiste()->actions()) {
    if (a->isSeparator())
      tipps << "|";
    else if (auto* w = panel->Werkzeugleiste()->widgetForAction(a); qobject_cast<QComboBox*>(w))
      tipps << w->toolTip();
    else
      tipps << a->toolTip();
  }
  EXPECT_EQ((QStringList{"New",
                         "Load curves",
                         "Save curves",
                         "|",
                         "Cut",
                         "Copy",
                         "Paste",
                         "Delete",
                         "Undo",
                         "Redo",
                         "|",
                         "Select",
                         "Draw point",
                         "Move point",
                         "Show/change coordinates of point",
                         "Show coordinates and timebase",
                         "Delete point",
                         "Divide straight line",
                         "Change timebase",
                         "Change length of line",
                         "Timebase",
                         "|",
                         "Zoom +",
                         "Zoom -",
                         "Zoom selection",
                         "Zoom full",
                         "|",
                         "Edit curve 1",
                         "Edit curve 2",
                         "Edit curve 3",
                         "Edit curve 4",
                         "|",
                         "Curve 1 in background",
                         "Curve 2 in background",
                         "Curve 3 in background",
                         "Curve 4 in background",
                         "|",
                         "Show curves as lines + steps",
                         "Show curves as lines",
                         "show curves as steps",
                         "|",
                         "Direct help mode"}),
            tipps);
  EXPECT_EQ("250us", panel->Zeitbasisliste()->currentText());
  EXPECT_EQ(9, panel->Zeitbasisliste()->count());
  QStringList liste;
  for (int i = 0; i < panel->Zeitbasisliste()->count(); ++i)
    liste << panel->Zeitbasisliste()->itemText(i);
  EXPECT_EQ((QStringList{"250us", "1ms", "2ms", "5ms", "10ms", "50ms", "100ms", "500ms", "1s"}),
            liste);

  // Separators and dimmed items: the three separators around the curve, background and
  // display-type buttons are inactive, the last one before the help toggle is not.
  QList<bool> trenner;
  QStringList gedimmt;
  for (QAction* a : panel->Werkzeugleiste()->actions()) {
    if (a->isSeparator())
      trenner << a->isEnabled();
    else if (!a->isEnabled())
      gedimmt << a->toolTip();
  }
  EXPECT_EQ((QList<bool>{true, true, true, false, false, false, true}), trenner);
  EXPECT_EQ(
      (QStringList{"Undo", "Redo", "Edit curve 1", "Edit curve 2", "Edit curve 3", "Edit curve 4",
                   "Curve 1 in background", "Curve 2 in background", "Curve 3 in background",
                   "Curve 4 in background", "Show curves as lines + steps", "Show curves as lines",
                   "show curves as steps"}),
      gedimmt);
}

TEST_F(FensterTest, WindowSwitchingOutsideHelpMode) {
  std::vector<widgets::Fenster> gezeigt;
  auto abo = navigation.Fensterwahl.Abonnieren([&](widgets::Fenster f) { gezeigt.push_back(f); });
  panel->Aktionen().ComFenster->trigger();
  panel->Aktionen().Kurvenfenster->trigger();
  QTest::mouseClick(panel->Ui().HAUPTFENSTER, Qt::LeftButton);
  panel->Aktionen().Direkthilfe->trigger();
  panel->Aktionen().Hauptfenster->trigger();
  QTest::mouseClick(panel->Ui().HAUPTFENSTER, Qt::LeftButton);
  panel->Aktionen().Direkthilfe->trigger();
  using F = widgets::Fenster;
  EXPECT_EQ((std::vector<F>{F::Com, F::Kurven, F::Haupt}), gezeigt);
}

TEST_F(FensterTest, ChoosingAnotherCurveKeepsItsGridAndDimsItsUndo) {
  Werkzeug(Werkzeug::Zeichnen);
  Klicken(Pixel(5000, 2000));
  panel->Ui().YRASTER->setValue(0.5);
  for (auto* a : panel->Aktionen().KurveWaehlen) a->setEnabled(true);
  panel->Aktionen().KurveWaehlen[2]->trigger();
  EXPECT_EQ(2, sitzung.gKurven.AktuelleKurve);
  EXPECT_DOUBLE_EQ(0.5, sitzung.gKurven.YRaster[0]);
  EXPECT_DOUBLE_EQ(0.0, panel->Ui().YRASTER->value());
  EXPECT_FALSE(panel->Aktionen().RueckgaengigKnopf->isEnabled());
  EXPECT_TRUE(panel->Aktionen().Rueckgaengig->isEnabled());
  panel->Aktionen().KurveWaehlen[0]->trigger();
  EXPECT_DOUBLE_EQ(0.5, panel->Ui().YRASTER->value());
  EXPECT_TRUE(panel->Aktionen().RueckgaengigKnopf->isEnabled());
}

TEST_F(FensterTest, SettingsKeys) {
  testsupport::TempDir dir;
  ini::IniStore* ini = ini::Ini_New(1);
  ini::Ini_PutInt(ini, "kurven", "darstellung", 2);
  ini::Ini_PutInt(ini, "kurven", "hintergrund3", 1);
  EXPECT_EQ(0, curves::gui::ReadIniKurvenpanel(panel.get(), ini));
  EXPECT_EQ(2, panel->Darstellung());
  EXPECT_TRUE(panel->Aktionen().Darstellung[2]->isChecked());
  EXPECT_TRUE(panel->HintergrundGewaehlt(2));
  ini::Ini_PutInt(ini, "kurven", "darstellung", 7);  // out of range gives 3
  curves::gui::ReadIniKurvenpanel(panel.get(), ini);
  EXPECT_EQ(3, panel->Darstellung());
  panel->DarstellungSetzen(1);
  ini::IniStore* aus = ini::Ini_New(1);
  EXPECT_EQ(0, curves::gui::WriteIniKurvenpanel(panel.get(), aus));
  std::int32_t wert = 0;
  EXPECT_EQ(1, ini::Ini_GetInt(aus, "kurven", "darstellung", &wert));
  EXPECT_EQ(1, wert);
  EXPECT_EQ(0, ini::Ini_GetInt(aus, "kurven", "hintergrund1", &wert));
  ini::Ini_Dispose(ini);
  ini::Ini_Dispose(aus);
}

}  // namespace
}  // namespace kurvenfenster
