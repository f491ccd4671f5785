// The characteristic window driven offscreen: menus and toolbar, the mouse tools, undo and
// redo, zoom and scroll bar, the Y zoom fields, the comment, the file commands, direct
// help and the transfer fields.
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolBar>
#include <filesystem>
#include <set>

#include "Kennlfensterhilfen.h"
#include "characteristic/gui/Kennldialoge.h"
#include "characteristic/gui/Kennlhilfetexte.h"
#include "support/TempDir.h"
#include "ui_KENNLPUNKTPNL.h"
#include "ui_KOMM1PNL.h"
#include "widgets/Graphscrollbar.h"
#include "widgets/Kurvengrafik.h"

namespace kennlfenster {
namespace {

// Every command of a menu and its submenus.
void MenueAktionen(QMenu* m, std::set<QAction*>& aktionen) {
  for (QAction* a : m->actions()) {
    if (a->menu())
      MenueAktionen(a->menu(), aktionen);
    else if (!a->isSeparator())
      aktionen.insert(a);
  }
}

TEST_F(KennlFensterTest, ToolbarButtonsAreTheMenusCommandsAndToolsExcludeEachOther) {
  EXPECT_EQ(panel->windowTitle(), "Characteristic controller");
  QStringList titel;
  std::set<QAction*> imMenue;
  for (QAction* m : panel->menuBar()->actions()) {
    titel << m->text();
    MenueAktionen(m->menu(), imMenue);
  }
  EXPECT_EQ(titel, (QStringList{"Datei", "Bearbeiten", "Ansicht", "Fenster", "Hilfe"}));
  for (QAction* a : imMenue) EXPECT_FALSE(a->text().isEmpty());

  // A button is the menu's action for its command, with an image and a tooltip.
  int knoepfe = 0;
  for (QAction* a : panel->Werkzeugleiste()->actions()) {
    if (a->isSeparator()) continue;
    ++knoepfe;
    EXPECT_TRUE(imMenue.count(a)) << a->toolTip().toStdString();
    EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
    EXPECT_FALSE(a->toolTip().isEmpty()) << a->text().toStdString();
  }
  EXPECT_GT(knoepfe, 0);

  // One tool is down; choosing another releases it.
  EXPECT_TRUE(panel->Aktionen().Werkzeuge[0]->isChecked());
  EXPECT_EQ(panel->AktivesWerkzeug(), KennlWerkzeug::Markieren);
  Werkzeug(KennlWerkzeug::Verschieben);
  EXPECT_EQ(panel->AktivesWerkzeug(), KennlWerkzeug::Verschieben);
  EXPECT_FALSE(panel->Aktionen().Werkzeuge[0]->isChecked());
  EXPECT_FALSE(panel->Aktionen().Rueckgaengig->isEnabled());
  EXPECT_FALSE(panel->Aktionen().Wiederherstellen->isEnabled());
}

TEST_F(KennlFensterTest, ToolsEditWithTheMouseAndUndoDimsItsButtons) {
  const auto& a = panel->Aktionen();
  Werkzeug(KennlWerkzeug::Zeichnen);
  const QPoint p1 = Pixel(1000, 2000), p2 = Pixel(3000, 500);
  Klicken(p1);
  Klicken(p2);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{0, 4095}, Roh(p1), Roh(p2)}));
  EXPECT_TRUE(a.Rueckgaengig->isEnabled());
  EXPECT_FALSE(a.Wiederherstellen->isEnabled());
  // The drawing shows it: the lines through the points, the last section to the end.
  const auto& plots = panel->Grafik().Aktuell();
  EXPECT_EQ(plots.Linien->data()->size(), 3);
  EXPECT_EQ(plots.Schlusslinie->data()->at(1)->key, 4095.0);
  EXPECT_EQ(plots.Linien->pen().color(), QColor(0xFF, 0, 0));
  EXPECT_EQ(plots.Stufen->pen().color(), QColor(0, 0, 0xFF));
  EXPECT_EQ(plots.Schlussstufen->pen().color(), QColor(0x96, 0x96, 0xFF));

  // Move the middle point, within its neighbours.
  Werkzeug(KennlWerkzeug::Verschieben);
  const QPoint ziel = Pixel(1500, 3000);
  Ziehen(p1, ziel);
  EXPECT_EQ(Punkte()[1], Roh(ziel));
  EXPECT_TRUE(panel->Grafik().VorschauLinie()->data()->isEmpty());  // preview gone

  // Divide the second line, then delete the new point again.
  Werkzeug(KennlWerkzeug::Teilen);
  const int mitte = (Roh(ziel).first + Roh(p2).first) / 2;
  Klicken(Pixel(mitte, 1000));
  ASSERT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 4);
  const auto neu = Punkte()[2];
  Werkzeug(KennlWerkzeug::PunktLoeschen);
  Klicken(Pixel(neu.first, neu.second));
  EXPECT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 3);

  // Undo walks back to the start and dims itself there; redo follows.
  for (int i = 0; i < 5; ++i) a.Rueckgaengig->trigger();
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{0, 4095}}));
  EXPECT_FALSE(a.Rueckgaengig->isEnabled());
  EXPECT_TRUE(a.Wiederherstellen->isEnabled());
  a.Wiederherstellen->trigger();
  EXPECT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 2);
  EXPECT_TRUE(a.Rueckgaengig->isEnabled());
}

TEST_F(KennlFensterTest, CoordinatesToolShowsTheUnitsUnderTheMouse) {
  Werkzeug(KennlWerkzeug::Koordinaten);
  const QPoint p = Pixel(2047.5, 4095 / 2.0);
  QTest::mousePress(graph(), Qt::LeftButton, {}, p);
  Bewegen(p);
  const double x = graph()->xAxis->pixelToCoord(p.x());
  EXPECT_NEAR(u().XKOORDINATE->value(), x * 10.0 / 4095.0, 1e-3);
  EXPECT_NEAR(u().YKOORDINATE->value(), 5.0, 0.05);
  QTest::mouseRelease(graph(), Qt::LeftButton, {}, p);
  EXPECT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 1);
}

TEST_F(KennlFensterTest, PointDialogChangesThePointsCoordinates) {
  Setze({{0, 2000}, {4095, 1}});
  panel->KennlinienpanelZeichnen();
  auto& d = panel->Dialoge();
  QString titel;
  bool markiert = false;
  QTimer::singleShot(0, [&] {
    titel = d.Punktfenster()->windowTitle();
    markiert = !panel->Grafik()
                    .Graph()
                    ->graph(panel->Grafik().Graph()->graphCount() - 1)
                    ->data()
                    ->isEmpty();
    EXPECT_NEAR(d.PunktUi().XWERT->value(), 2000 * 10.0 / 4095.0, 1e-3);
    d.PunktUi().XWERT->setValue(2.5);
    d.PunktUi().OK->click();
  });
  Werkzeug(KennlWerkzeug::Punktdialog);
  Klicken(Pixel(2000, 4095));
  EXPECT_EQ(titel, "Point 2");
  EXPECT_TRUE(markiert);
  EXPECT_EQ(Punkte()[1], std::make_pair(1024, 4095));  // round(2.5 V * 409.5)
  EXPECT_TRUE(op.messages.empty());
}

TEST_F(KennlFensterTest, MarkToolMarksAndOtherToolsTakeTheMarkAway) {
  const QPoint a = Pixel(2000, 1000), b = Pixel(500, 1000);
  const int links = Roh(b).first, rechts = Roh(a).first;
  Ziehen(a, b);  // right to left: the range turns round
  ASSERT_TRUE(sitzung.gKennl.Mark.Aktiv);
  EXPECT_EQ(sitzung.gKennl.Mark.Start, links);
  EXPECT_EQ(sitzung.gKennl.Mark.Ende, rechts);
  EXPECT_TRUE(panel->Grafik().MarkierungGross()->visible());
  EXPECT_TRUE(panel->Grafik().MarkierungKlein()->visible());
  EXPECT_EQ(panel->Grafik().MarkierungGross()->pen().color(), QColor(0, 0x80, 0));

  panel->Aktionen().ZoomMarkierung->trigger();
  EXPECT_EQ(sitzung.gKennl.XStart, links);
  EXPECT_EQ(sitzung.gKennl.XEnde, rechts - 1);
  EXPECT_FALSE(sitzung.gKennl.Mark.Aktiv);
  // With no active mark the command does nothing.
  panel->Aktionen().ZoomVoll->trigger();
  panel->Aktionen().ZoomMarkierung->trigger();
  EXPECT_EQ(sitzung.gKennl.XEnde, 4094);

  panel->Aktionen().AllesMarkieren->trigger();
  EXPECT_TRUE(sitzung.gKennl.Mark.Aktiv);
  Werkzeug(KennlWerkzeug::Zeichnen);
  EXPECT_FALSE(sitzung.gKennl.Mark.Aktiv);
  EXPECT_FALSE(panel->Grafik().MarkierungGross()->visible());
}

TEST_F(KennlFensterTest, ZoomAndScrollBarFollowTheRule) {
  panel->Aktionen().ZoomPlus->trigger();
  EXPECT_EQ(sitzung.gKennl.XStart, 682);
  EXPECT_EQ(sitzung.gKennl.XEnde, 3411);
  EXPECT_EQ(graph()->xAxis->range().lower, 682);
  EXPECT_EQ(graph()->xAxis->range().upper, 3412);
  EXPECT_EQ(panel->Grafik().Rahmen()->topLeft->coords().x(), 682);
  EXPECT_EQ(widgets::ScrollbarDaumen(u().SCROLLBAR), 67);
  EXPECT_EQ(widgets::ScrollbarPosition(u().SCROLLBAR), 50);

  // The bar let go at its right end shows the last part of the range.
  u().SCROLLBAR->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(sitzung.gKennl.XStart, 1365);
  EXPECT_EQ(sitzung.gKennl.XEnde, 4094);

  panel->Aktionen().ZoomMinus->trigger();
  EXPECT_GE(sitzung.gKennl.XStart, 0);
  EXPECT_LE(sitzung.gKennl.XEnde, 4094);
  panel->Aktionen().ZoomVoll->trigger();
  EXPECT_EQ(sitzung.gKennl.XStart, 0);
  EXPECT_EQ(sitzung.gKennl.XEnde, 4094);
  EXPECT_EQ(widgets::ScrollbarDaumen(u().SCROLLBAR), 100);
}

TEST_F(KennlFensterTest, YZoomFieldsResetWhenMinIsNotBelowMax) {
  u().YZOOMMIN->setValue(2.0);
  u().YZOOMMAX->setValue(8.0);
  emit u().YZOOMMAX->editingFinished();
  EXPECT_EQ(sitzung.gKennl.YZoomMin, 819);
  EXPECT_EQ(sitzung.gKennl.YZoomMax, 3276);
  EXPECT_EQ(graph()->yAxis->range().lower, 819);

  u().YZOOMMIN->setValue(9.0);
  emit u().YZOOMMIN->editingFinished();
  EXPECT_EQ(sitzung.gKennl.YZoomMin, 819);
  EXPECT_NEAR(u().YZOOMMIN->value(), 2.0, 1e-3);  // rewritten from the zoom
  EXPECT_NEAR(u().YZOOMMAX->value(), 8.0, 1e-2);

  // An unchanged field does not creep down at each commit.
  for (int i = 0; i < 3; ++i) emit u().YZOOMMAX->editingFinished();
  EXPECT_EQ(sitzung.gKennl.YZoomMax, 3276);
}

TEST_F(KennlFensterTest, CommentRoundTripKeepsItWholeAndPreviewsThirty) {
  auto& d = panel->Dialoge();
  const QString hundert = QString(60, 'a') + QString(40, 'b');
  QString titel;
  QTimer::singleShot(0, [&] {
    titel = d.Kommentarfenster()->windowTitle();
    d.KommentarUi().TEXT->setPlainText(hundert);
    d.KommentarUi().OK->click();
  });
  QTest::mouseClick(u().KOMMENTAR, Qt::LeftButton);
  EXPECT_EQ(titel, "Comment - characteristic curve");
  EXPECT_EQ(sitzung.gKennl.Kennl.Kommentar, hundert.toStdString());
  EXPECT_EQ(u().KOMMENTARVORSCHAU->text(), QString(30, 'a'));
  EXPECT_TRUE(sitzung.gKennl.KennlinieGeaendert);

  // The dialog starts with the comment; more than 999 characters are cut.
  QString start;
  QTimer::singleShot(0, [&] {
    start = d.KommentarUi().TEXT->toPlainText();
    d.KommentarUi().TEXT->setPlainText(QString(1200, 'z'));
    d.KommentarUi().OK->click();
  });
  QTest::mouseClick(u().KOMMENTAR, Qt::LeftButton);
  EXPECT_EQ(start, hundert);
  EXPECT_EQ(sitzung.gKennl.Kennl.Kommentar.size(), 999u);
}

TEST_F(KennlFensterTest, FileCommandsGoThroughTheOperator) {
  testsupport::TempDir tmp;
  const std::string datei = tmp.file("probe.wue");
  const std::string text = tmp.file("probe.txt");
  Setze({{100, 1000}, {3000, 1}});
  sitzung.gKennl.Kennl.Kommentar = std::string(40, 'k');
  sitzung.gKennl.KennlinieGeaendert = true;

  op.answerFile(datei);
  panel->Aktionen().SpeichernUnter->trigger();
  EXPECT_TRUE(op.messages.empty());
  EXPECT_EQ(panel->windowTitle(), "Characteristic controller - probe.wue");
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
  op.answerFile(text);
  panel->Aktionen().Exportieren->trigger();
  EXPECT_TRUE(std::filesystem::exists(text));

  // "Neu" asks first when there are changes; Cancel keeps everything.
  sitzung.gKennl.KennlinieGeaendert = true;
  op.answerMessage(3);
  panel->Aktionen().Neu->trigger();
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].text, "Would you like to save changes to probe.wue ?");
  EXPECT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 2);
  op.answerMessage(2);
  panel->Aktionen().ZoomPlus->trigger();
  panel->Aktionen().Neu->trigger();
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{0, 4095}}));
  EXPECT_EQ(panel->windowTitle(), "Characteristic controller");
  EXPECT_TRUE(u().KOMMENTARVORSCHAU->text().isEmpty());
  EXPECT_EQ(sitzung.gKennl.XEnde, 4094);

  // "Neu" leaves the changed flag as it was, so loading asks again.
  panel->Aktionen().ZoomPlus->trigger();
  op.answerMessage(2);
  op.answerFile(datei);
  panel->Aktionen().Laden->trigger();
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{0, 100}, {1000, 3000}}));
  EXPECT_EQ(u().KOMMENTARVORSCHAU->text(), QString(30, 'k'));
  EXPECT_EQ(panel->windowTitle(), "Characteristic controller - probe.wue");
  EXPECT_EQ(sitzung.gKennl.XStart, 0);
  EXPECT_EQ(sitzung.gKennl.XEnde, 4094);

  op.answerFile(text);
  panel->Aktionen().Importieren->trigger();
  ASSERT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 2);
  // Through per cent of full scale and back.
  EXPECT_NEAR(Punkte()[1].first, 1000, 1);
  EXPECT_NEAR(Punkte()[1].second, 3000, 1);

  // A cancelled dialog changes nothing and says nothing.
  sitzung.gKennl.KennlinieGeaendert = false;
  const std::size_t gezeigt = op.messages.size();
  panel->Aktionen().Laden->trigger();
  EXPECT_EQ(op.messages.size(), gezeigt);
}

TEST_F(KennlFensterTest, DirectHelpShowsTextsAndCommitsNothing) {
  panel->Aktionen().Direkthilfe->trigger();
  ASSERT_TRUE(widgets::HilfeAktiv());
  EXPECT_TRUE(panel->Aktionen().Direkthilfe->isChecked());
  op.helpTexts.clear();

  panel->Aktionen().Werkzeuge[1]->trigger();
  EXPECT_EQ(panel->AktivesWerkzeug(), KennlWerkzeug::Markieren);
  panel->Aktionen().Darstellung[1]->trigger();
  EXPECT_EQ(panel->Darstellung(), 3);
  EXPECT_TRUE(panel->Aktionen().Darstellung[0]->isChecked());
  panel->Aktionen().ZoomPlus->trigger();
  EXPECT_EQ(sitzung.gKennl.XEnde, 4094);
  QTest::mouseClick(u().SCHREIBEN, Qt::LeftButton);
  QTest::mouseClick(graph(), Qt::LeftButton, {}, Pixel(100, 100));
  EXPECT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 1);
  // One text a click, each its own: tool, display type, zoom, button and graph.
  ASSERT_EQ(op.helpTexts.size(), 5u);
  EXPECT_EQ(std::set<std::string>(op.helpTexts.begin(), op.helpTexts.end()).size(), 5u);
  for (const std::string& text : op.helpTexts) EXPECT_FALSE(text.empty());
  // The pin box is not shown meanwhile; off again, it is.
  panel->Aktionen().Pinbelegung->trigger();
  EXPECT_TRUE(op.messages.empty());
  panel->Aktionen().Direkthilfe->trigger();
  EXPECT_FALSE(widgets::HilfeAktiv());
  panel->Aktionen().Pinbelegung->trigger();
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].title, "WUN-2 pin assignment");
  EXPECT_EQ(op.messages[0].text.substr(0, 48), "Connector pins in characteristic controller mode");
}

TEST_F(KennlFensterTest, TheDefaultSectionAtFullScaleShowsAlongTheTopEdge) {
  // Fresh start: the default point at full scale; its section to the end of the input
  // range lies on the plot's top edge, in the light colours.
  const QImage bild = graph()->grab().toImage();
  const QRect flaeche = graph()->axisRect()->rect();
  int hell = 0;
  for (int x = flaeche.left(); x <= flaeche.right(); ++x) {
    const QRgb p = bild.pixel(x, flaeche.top()) & 0xFFFFFF;
    hell += p == 0xFF9696 || p == 0x9696FF ? 1 : 0;
  }
  EXPECT_GT(hell, flaeche.width() * 9 / 10);
}

TEST_F(KennlFensterTest, DirectHelpAnswersAQuickSecondClick) {
  // A click soon after the one that closed a help popup arrives as a double click.
  panel->Aktionen().Direkthilfe->trigger();
  op.helpTexts.clear();
  QWidget* feld = u().YZOOMMAX->findChild<QLineEdit*>();
  ASSERT_NE(feld, nullptr);
  const QPointF mitte = QRectF(feld->rect()).center();
  QMouseEvent doppelklick(QEvent::MouseButtonDblClick, mitte, feld->mapToGlobal(mitte),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(feld, &doppelklick);
  EXPECT_EQ(op.helpTexts, (std::vector<std::string>{characteristic::gui::hilfe::kYZoom}));
  EXPECT_EQ(sitzung.gKennl.YZoomMax, 4095);
}

TEST_F(KennlFensterTest, DisplayTypeChoosesWhatIsDrawn) {
  Setze({{0, 100}, {4095, 1}});
  panel->Aktionen().Darstellung[1]->trigger();  // Linien
  EXPECT_EQ(panel->Darstellung(), 1);
  EXPECT_TRUE(panel->Grafik().Aktuell().Stufen->data()->isEmpty());
  EXPECT_FALSE(panel->Grafik().Aktuell().Linien->data()->isEmpty());
  panel->Aktionen().Darstellung[2]->trigger();  // Stufen
  EXPECT_EQ(panel->Darstellung(), 2);
  EXPECT_FALSE(panel->Grafik().Aktuell().Stufen->data()->isEmpty());
  EXPECT_TRUE(panel->Grafik().Aktuell().Linien->data()->isEmpty());
}

TEST_F(KennlFensterTest, FieldsShowTheConfiguredUnitsAndDeviceValues) {
  std::strcpy(sitzung.Konfig.gKonfig.outeinheit[1], "mA");
  sitzung.Konfig.gKonfig.outskalamin[1] = 4.0;
  sitzung.Konfig.gKonfig.outskalamax[1] = 20.0;
  panel->Kennlinienpanel_SkaliereYAchse();
  EXPECT_EQ(u().LABEL_BEGRENZUNG->text(), "analog output 2 [mA]");
  EXPECT_EQ(u().BEGRENZUNG->minimum(), 4.0);
  EXPECT_EQ(u().BEGRENZUNG->maximum(), 20.0);
  EXPECT_EQ(u().LABEL_ANSTIEGSZEIT->text(), "Anstiegszeit-\nbegrenzung\nvon 0 auf 100%\n[ms]");

  // A rise time is shown as the device will hold it.
  u().ANSTIEGSZEIT->setValue(1000.0);
  emit u().ANSTIEGSZEIT->editingFinished();
  EXPECT_EQ(u().ANSTIEGSZEIT->value(), 819.0);
  EXPECT_EQ(sitzung.gKennl.Felder.Anstiegszeit, 819.0);
  u().KURVENNR->setValue(9);
  EXPECT_EQ(u().KURVENNR->value(), 7);
  EXPECT_EQ(sitzung.gKennl.Felder.KurveNr, 7);
}

}  // namespace
}  // namespace kennlfenster
