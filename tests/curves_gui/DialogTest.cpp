// The point dialog, the line dialog, the time-base menu and the file commands of the curve
// window, with refused entries that must leave the curve as it was.
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <fstream>
#include <functional>

#include "Fensterhilfen.h"
#include "config/Konfiguration.h"
#include "curves/gui/Kurvendialoge.h"
#include "curves/model/Titel.h"
#include "support/TempDir.h"
#include "ui_KGERADEPNL.h"
#include "ui_KPUNKTPNL.h"

namespace kurvenfenster {
namespace {

using curves::gui::Werkzeug;

class DialogFensterTest : public FensterTest {
 protected:
  void SetUp() override {
    FensterTest::SetUp();
    sitzung.gKurven.Kurven[0].Punkte = {{0, 4, 1, {}}, {2000, 4, 1, {}}, {1000, 2, 1, {}}};
    panel->KurvenpanelZeichnen();
  }
};

TEST_F(DialogFensterTest, PointDialogMovesThePoint) {
  auto& d = panel->Dialoge();
  QString titel;
  bool punktMarkiert = false;
  QTimer::singleShot(0, [&] {
    titel = d.Punktfenster()->windowTitle();
    punktMarkiert = d.Punktfenster()->isVisible();
    EXPECT_DOUBLE_EQ(4.0, d.PunktUi().MILLISEKUNDEN->value());
    d.PunktUi().MILLISEKUNDEN->setValue(6.0);
    d.PunktUi().OK->click();
  });
  Werkzeug(Werkzeug::Punktdialog);
  Klicken(Pixel(4000, 2000));
  EXPECT_EQ("Point 2", titel);
  EXPECT_TRUE(punktMarkiert);
  EXPECT_EQ(6, Kurve1().Punkte[0].Laenge);
  EXPECT_EQ(2, Kurve1().Punkte[1].Laenge);
  EXPECT_EQ(2000, Kurve1().Punkte[1].Y);
  EXPECT_TRUE(op.messages.empty());
}

TEST_F(DialogFensterTest, PointDialogLeftAsShownKeepsTheValueInASmallUnit) {
  // Output 1 read as 0 .. 0.02 A: the field's four decimals are about 5 codes apart.
  const config::Konfiguration gespeichert = sitzung.Konfig.gKonfig;
  sitzung.Konfig.gKonfig.voutmax = 10.0;
  sitzung.Konfig.gKonfig.outmin[0] = 0.0;
  sitzung.Konfig.gKonfig.outmax[0] = 10.0;
  sitzung.Konfig.gKonfig.outskalamin[0] = 0.0;
  sitzung.Konfig.gKonfig.outskalamax[0] = 0.02;
  auto& d = panel->Dialoge();
  QTimer::singleShot(0, [&] { d.PunktUi().OK->click(); });
  Werkzeug(Werkzeug::Punktdialog);
  Klicken(Pixel(4000, 2000));
  EXPECT_EQ(2000, Kurve1().Punkte[1].Y);
  EXPECT_FALSE(panel->Aktionen().Rueckgaengig->isEnabled());  // nothing stored for undo

  // A value typed in is taken.
  QTimer::singleShot(0, [&] {
    d.PunktUi().YWERT->setValue(0.01);
    d.PunktUi().OK->click();
  });
  Klicken(Pixel(4000, 2000));
  EXPECT_NEAR(2048, Kurve1().Punkte[1].Y, 1);
  sitzung.Konfig.gKonfig = gespeichert;
}

TEST_F(DialogFensterTest, PointDialogRefusesATooBigValue) {
  const auto vorher = Kurve1().Punkte;
  auto& d = panel->Dialoge();
  QTimer::singleShot(0, [&] {
    d.PunktUi().YWERT->setValue(d.PunktUi().YWERT->maximum());
    d.PunktUi().OK->click();
  });
  Werkzeug(Werkzeug::Punktdialog);
  Klicken(Pixel(4000, 2000));
  ASSERT_EQ(1u, op.messages.size());
  EXPECT_EQ("Y value too big.", op.messages[0].text);
  EXPECT_EQ("Error", op.messages[0].title);
  EXPECT_EQ(vorher[1].Y, Kurve1().Punkte[1].Y);
  EXPECT_FALSE(d.Punktfenster()->isVisible());
}

TEST_F(DialogFensterTest, LineDialogRefusesZeroLength) {
  auto& d = panel->Dialoge();
  QString titel;
  QTimer::singleShot(0, [&] {
    titel = d.Geradenfenster()->windowTitle();
    EXPECT_DOUBLE_EQ(4.0, d.GeradeUi().MILLISEKUNDEN->value());
    d.GeradeUi().MILLISEKUNDEN->setValue(0);
    d.GeradeUi().OK->click();
  });
  Werkzeug(Werkzeug::Laenge);
  Klicken(Pixel(5000, 2000));
  EXPECT_EQ("Straight line 2", titel);
  ASSERT_EQ(1u, op.messages.size());
  EXPECT_EQ("The new length of the straight line is too small.", op.messages[0].text);
  EXPECT_EQ(4, Kurve1().Punkte[1].Laenge);

  // A valid entry: 7 ms.
  QTimer::singleShot(0, [&] {
    d.GeradeUi().MILLISEKUNDEN->setValue(7);
    d.GeradeUi().OK->click();
  });
  Klicken(Pixel(5000, 2000));
  EXPECT_EQ(7, Kurve1().Punkte[1].Laenge);
}

// Escape and the title bar's close leave the point and line dialogs with edited fields,
// changing nothing.
TEST_F(DialogFensterTest, PointAndLineDialogsLeftWithoutOkChangeNothing) {
  auto& d = panel->Dialoge();
  const auto vorher = Kurve1().Punkte;
  const std::vector<std::function<void(QDialog*)>> verlassen = {
      [](QDialog* f) { QTest::keyClick(f, Qt::Key_Escape); },
      [](QDialog* f) { f->close(); },
  };
  for (const auto& weg : verlassen) {
    bool geschlossen = false;
    QTimer::singleShot(0, [&] {
      d.PunktUi().MILLISEKUNDEN->setValue(6.0);
      d.PunktUi().YWERT->setValue(1.0);
      weg(d.Punktfenster());
      geschlossen = !d.Punktfenster()->isVisible();
    });
    Werkzeug(Werkzeug::Punktdialog);
    Klicken(Pixel(4000, 2000));
    EXPECT_TRUE(geschlossen);

    QTimer::singleShot(0, [&] {
      d.GeradeUi().MILLISEKUNDEN->setValue(7);
      weg(d.Geradenfenster());
    });
    Werkzeug(Werkzeug::Laenge);
    Klicken(Pixel(5000, 2000));
    EXPECT_FALSE(d.Geradenfenster()->isVisible());

    ASSERT_EQ(vorher.size(), Kurve1().Punkte.size());
    for (std::size_t i = 0; i < vorher.size(); ++i) {
      EXPECT_EQ(vorher[i].Y, Kurve1().Punkte[i].Y);
      EXPECT_EQ(vorher[i].Laenge, Kurve1().Punkte[i].Laenge);
    }
    EXPECT_TRUE(op.messages.empty());
    EXPECT_FALSE(panel->Aktionen().Rueckgaengig->isEnabled());
  }
}

TEST_F(DialogFensterTest, TimeBaseMenuOnPress) {
  auto& d = panel->Dialoge();
  QStringList eintraege;
  QTimer::singleShot(0, [&] {
    QMenu* menue = d.OffenesMenue();
    ASSERT_NE(nullptr, menue);
    for (QAction* a : menue->actions())
      if (!a->isSeparator()) eintraege << a->text() + (a->isChecked() ? "*" : "");
    for (QAction* a : menue->actions())
      if (a->text() == "2ms") menue->setActiveAction(a);
    QTest::keyClick(menue, Qt::Key_Return);
  });
  Werkzeug(Werkzeug::Zeitbasis);
  Klicken(Pixel(1000, 500));
  EXPECT_EQ((QStringList{"250us", "1ms*", "2ms", "5ms", "10ms", "50ms", "100ms", "500ms", "1s"}),
            eintraege);
  EXPECT_EQ(2, Kurve1().Punkte[0].Zeitbasis);
  EXPECT_EQ(2, Kurve1().Punkte[0].Laenge);

  // Choosing nothing changes nothing.
  QTimer::singleShot(0, [&] { d.OffenesMenue()->close(); });
  Klicken(Pixel(1000, 500));
  EXPECT_EQ(2, Kurve1().Punkte[0].Zeitbasis);
}

TEST_F(DialogFensterTest, OpeningABrokenFileShowsTheErrorAndKeepsTheCurves) {
  testsupport::TempDir dir;
  const std::string pfad = dir.file("kaputt.wur");
  std::ofstream(pfad) << "not a curve file";
  const auto vorher = Kurve1().Punkte;
  op.answerFile(pfad);
  panel->Aktionen().Oeffnen->trigger();
  ASSERT_FALSE(op.messages.empty());
  EXPECT_EQ(0u, op.messages.back().title.find("Error #"));
  EXPECT_EQ(vorher.size(), Kurve1().Punkte.size());
  EXPECT_EQ("Curve generator", panel->windowTitle());
}

TEST_F(DialogFensterTest, SaveAndOpenSetTheTitleAndShowTheWholeCurve) {
  testsupport::TempDir dir;
  const std::string pfad = dir.file("probe.wur");
  sitzung.gKurven.Kurven[0].Kommentar = std::string(40, 'k');
  op.answerFile(pfad);
  panel->Aktionen().SpeichernUnter->trigger();
  EXPECT_TRUE(op.messages.empty());
  EXPECT_EQ("Curve generator - probe.wur", panel->windowTitle());
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);

  panel->Aktionen().Neu->trigger();
  EXPECT_EQ("Curve generator", panel->windowTitle());
  EXPECT_TRUE(panel->Ui().KOMMENTARVORSCHAU->text().isEmpty());
  op.answerFile(pfad);
  panel->Aktionen().Oeffnen->trigger();
  EXPECT_EQ("Curve generator - probe.wur", panel->windowTitle());
  EXPECT_EQ(std::string(40, 'k'), Kurve1().Kommentar);
  EXPECT_EQ(QString(30, 'k'), panel->Ui().KOMMENTARVORSCHAU->text());
  EXPECT_EQ(3, Kurve1().Punktanzahl());
  EXPECT_DOUBLE_EQ(9999, sitzung.gSicht.XEnde);  // 10 ms curve, zoomed full
}

TEST_F(DialogFensterTest, ToolbarButtonWithoutImageShowsItsText) {
  // Every button has its image, built into the program.
  for (QAction* a : panel->Werkzeugleiste()->actions()) {
    if (a->isSeparator() || panel->Werkzeugleiste()->widgetForAction(a)->inherits("QComboBox"))
      continue;
    EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
  }
  // Without it the button shows its text instead of an empty face.
  auto* knopf =
      qobject_cast<QToolButton*>(panel->Werkzeugleiste()->widgetForAction(panel->Aktionen().Neu));
  ASSERT_NE(nullptr, knopf);
  const int mitBild = knopf->sizeHint().width();
  panel->Aktionen().Neu->setIcon(QIcon());
  EXPECT_GT(knopf->sizeHint().width(), mitBild);
}

}  // namespace
}  // namespace kurvenfenster
