// The main window: switching child windows, dimming, direct help, the info box, resizing
// and quitting.
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include "ShellFixture.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/model/Kurvenmodell.h"
#include "device/gui/CompanelFenster.h"
#include "shell/Hauptfenster.h"
#include "ui_COMPNL.h"
#include "ui_INFOPNL.h"
#include "ui_MAINPANEL.h"
#include "widgets/Hilfefilter.h"

namespace shelltest {
namespace {

using shell::Fenster;

bool gedimmt(shell::Programm& p) {
  auto& u = p.Haupt()->ui();
  for (QWidget* b : {u.COM, u.KONFIG, u.DIREKT, u.KURVEN, u.KENNLINIE, u.INFO, u.ENDE})
    if (b->isEnabled()) return false;
  return true;
}

bool ungedimmt(shell::Programm& p) {
  auto& u = p.Haupt()->ui();
  for (QWidget* b : {u.COM, u.KONFIG, u.DIREKT, u.KURVEN, u.KENNLINIE, u.INFO, u.ENDE})
    if (!b->isEnabled()) return false;
  return true;
}

TEST_F(ShellTest, StartShowsTheMainWindowWithTheHiddenEntriesAndTheInfoTexts) {
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  auto& u = programm->Haupt()->ui();
  EXPECT_EQ(programm->Haupt()->windowTitle(), "MIV-3X curve generator");
  EXPECT_EQ(u.COM->text(), "COM settings");
  EXPECT_EQ(u.KURVEN->text(), "Curve generator");
  EXPECT_EQ(u.INFO->text(), "Info");
  EXPECT_EQ(u.ENDE->text(), "Exit");
  EXPECT_EQ(u.KONFIG->text(), "Konfiguration");
  EXPECT_TRUE(u.KONFIG->isHidden());
  EXPECT_TRUE(u.DIREKT->isHidden());
  EXPECT_TRUE(u.KENNLINIE->isHidden());
  EXPECT_TRUE(u.DIREKTHILFE->isHidden());
  EXPECT_FALSE(u.COM->isHidden());
  EXPECT_FALSE(u.KURVEN->isHidden());
  EXPECT_EQ(programm->InfoUi().VERSION->text(), "V 1.3");
  EXPECT_EQ(programm->InfoUi().DATUM->text(), "12/2023");
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Haupt);
  EXPECT_TRUE(ungedimmt(*programm));
  // English messages from the start.
  EXPECT_EQ(device::Fehlersprache(), 2);
  // Every window is loaded, the hidden ones too.
  for (Fenster f : shell::kLadeReihenfolge) EXPECT_NE(programm->Panel(f), nullptr);
}

TEST_F(ShellTest, ChildWindowsAreShownOneAtATimeAndDimTheButtonsExactlyMeanwhile) {
  FakeFenster kurven{Fenster::Kurven};
  erzeugen({&kurven});
  ASSERT_EQ(programm->Starten(), 0);
  programm->Haupt()->show();
  auto& u = programm->Haupt()->ui();
  QWidget* com = programm->Panel(Fenster::Com);

  QTest::mouseClick(u.KURVEN, Qt::LeftButton);
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Kurven);
  EXPECT_TRUE(kurven.widget->isVisible());
  EXPECT_EQ(kurven.widget->pos(), QPoint(1, 17));
  EXPECT_TRUE(gedimmt(*programm));

  // COM while the curve window is shown: the curve window goes, the buttons stay dimmed.
  programm->ZeigeChildpanel(Fenster::Com);
  EXPECT_FALSE(kurven.widget->isVisible());
  EXPECT_TRUE(com->isVisible());
  EXPECT_EQ(com->pos(), QPoint(1, 17));
  EXPECT_TRUE(gedimmt(*programm));

  // The COM window's back button leaves no child window and undims.
  auto* comFenster = static_cast<device::gui::CompanelFenster*>(com);
  QTest::mouseClick(comFenster->ui().ZURUECK, Qt::LeftButton);
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Haupt);
  EXPECT_FALSE(com->isVisible());
  EXPECT_FALSE(kurven.widget->isVisible());
  EXPECT_TRUE(ungedimmt(*programm));

  QTest::mouseClick(u.COM, Qt::LeftButton);
  EXPECT_TRUE(com->isVisible());
  EXPECT_TRUE(gedimmt(*programm));
  // The Windows menu shows the main window alone.
  comFenster->ui().actionMainWindow->trigger();
  EXPECT_FALSE(com->isVisible());
  EXPECT_TRUE(ungedimmt(*programm));
}

TEST_F(ShellTest, CurveButtonWithoutTheCurveWindowSaysSoAndShowsNothing) {
  erzeugen({}, {Fenster::Kurven});
  ASSERT_EQ(programm->Starten(), 0);
  op.messages.clear();
  QTest::mouseClick(programm->Haupt()->ui().KURVEN, Qt::LeftButton);
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Haupt);
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.lastMessageText(), "The curve generator is not available in this build.");
  EXPECT_TRUE(ungedimmt(*programm));
}

TEST_F(ShellTest, DirectHelpShowsTheButtonTextsAndIgnoresEveryCommit) {
  FakeFenster kurven{Fenster::Kurven};
  erzeugen({&kurven});
  ASSERT_EQ(programm->Starten(), 0);
  programm->Haupt()->show();
  auto& u = programm->Haupt()->ui();

  // The switch is hidden in this build, but works.
  u.DIREKTHILFE->setChecked(true);
  EXPECT_EQ(widgets::HilfeAktiv(), 1);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
  ASSERT_EQ(op.helpTexts.size(), 1u);
  EXPECT_EQ(op.helpTexts[0], "Direct help mode activated!\nTo quit click the '?' icon.");

  QTest::mouseClick(u.COM, Qt::LeftButton);
  QTest::mouseClick(u.KURVEN, Qt::LeftButton);
  QTest::mouseClick(u.KONFIG, Qt::LeftButton);
  QTest::mouseClick(u.DIREKT, Qt::LeftButton);
  QTest::mouseClick(u.KENNLINIE, Qt::LeftButton);
  ASSERT_EQ(op.helpTexts.size(), 6u);
  EXPECT_EQ(op.helpTexts[1],
            "Open, close and set the\nserial interface to which the\nWUN-2 is connected.");
  EXPECT_EQ(op.helpTexts[2],
            "The WUN-2 can output four independent curves.\nHere the curve forms can be "
            "created and transferred\nto the WUN-2.");
  EXPECT_EQ(op.helpTexts[3],
            "Configuration of the WUN-2 inputs/outputs:\nThe WUN-2 contains four 0 to 10V "
            "inputs\nand outputs each. Each of these inputs/outputs\ncan be scaled to any other "
            "unit.");
  EXPECT_EQ(op.helpTexts[4],
            "Direct reading/writing of inputs/outputs:\nHere you can set the outpts of the "
            "WUN-2 directly,\nand request the inputs. The inputs can be\ndisplayed in a "
            "diagram and saved as\ntext file.");
  EXPECT_EQ(op.helpTexts[5],
            "Here you can create characteristic curves and transfer\nthem to the WUN-2.\n"
            "During characteristic controlling an output signal\nis generated based on a "
            "random characteristic,\nindependent of an input signal.\nThe WUN-2 can store up "
            "to 10 characteristics. The\ncharacteristic curve is selected via analog "
            "voltage.");
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Haupt);

  // "Exit" and "Info" have no text and do nothing; a keyboard commit does nothing either.
  QTest::mouseClick(u.ENDE, Qt::LeftButton);
  QTest::mouseClick(u.INFO, Qt::LeftButton);
  u.COM->click();
  u.ENDE->click();
  EXPECT_EQ(op.helpTexts.size(), 6u);
  EXPECT_EQ(beendenAufrufe, 0);
  EXPECT_FALSE(programm->EndeAngefordert());
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Haupt);

  u.DIREKTHILFE->setChecked(false);
  EXPECT_EQ(widgets::HilfeAktiv(), 0);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  QTest::mouseClick(u.COM, Qt::LeftButton);
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Com);
  EXPECT_EQ(op.helpTexts.size(), 6u);
}

TEST_F(ShellTest, InfoBoxIsModalInTheMiddleAndClosesOnOk) {
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  programm->Haupt()->show();
  bool warModal = false;
  QPoint mitte;
  QTimer::singleShot(0, [&] {
    warModal = programm->Infopanel()->isModal() && programm->Infopanel()->isVisible();
    mitte = programm->Infopanel()->geometry().center();
    QTest::mouseClick(programm->InfoUi().OK, Qt::LeftButton);
  });
  QTest::mouseClick(programm->Haupt()->ui().INFO, Qt::LeftButton);
  EXPECT_TRUE(warModal);
  EXPECT_FALSE(programm->Infopanel()->isVisible());
  QPoint hauptMitte = programm->Haupt()->geometry().center();
  EXPECT_LE(std::abs(mitte.x() - hauptMitte.x()), 2);
  EXPECT_LE(std::abs(mitte.y() - hauptMitte.y()), 2);
  EXPECT_NE(programm->InfoUi().KONTAKT->text().indexOf("example.invalid"), -1);
}

TEST_F(ShellTest, ResizingKeepsTheProportionsAndNeverShrinks) {
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  shell::Hauptfenster* h = programm->Haupt();
  const QSize start = h->Referenzgroesse();
  ASSERT_FALSE(start.isEmpty());
  const int w0 = start.width();
  const int h0 = start.height();
  h->show();
  auto ziehen = [&](int w, int hh, QSize erwartet) {
    h->resize(w, hh);
    return warteBis([&] { return h->size() == erwartet; });
  };

  // Twice the width, same height: s = 1, back to the start size.
  EXPECT_TRUE(ziehen(2 * w0, h0, start));
  // Twice the width, 1.5 times the height: the width follows the smaller factor.
  EXPECT_TRUE(ziehen(2 * w0, h0 * 3 / 2, QSize(static_cast<int>(w0 * 1.5 + 0.5), h0 * 3 / 2)));
  // Taller than wide: the height follows the width.
  EXPECT_TRUE(ziehen(w0 * 5 / 4, 3 * h0, QSize(w0 * 5 / 4, static_cast<int>(h0 * 1.25 + 0.5))));
  // Smaller than at start in either direction: the start size again.
  EXPECT_TRUE(ziehen(w0 / 2, 2 * h0, start));
  EXPECT_TRUE(ziehen(w0 - 1, h0 - 1, start));
}

TEST_F(ShellTest, ResizeRuleOnTheFigures) {
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  shell::Hauptfenster* h = programm->Haupt();
  const QSize start = h->Referenzgroesse();
  // Hidden, the size changes without resize events: the rule is applied by hand.
  h->resize(start.width() * 3, start.height() * 2);
  h->PanelgroesseAendern(0);
  EXPECT_EQ(h->size(), QSize(start.width() * 2, start.height() * 2));
  h->resize(start.width() * 2 + 1, start.height());
  h->PanelgroesseAendern(0);
  EXPECT_EQ(h->size(), start);
  // A new reference is taken only with init non-zero.
  h->resize(start.width() * 2, start.height() * 2);
  h->PanelgroesseAendern(1);
  EXPECT_EQ(h->Referenzgroesse(), QSize(start.width() * 2, start.height() * 2));
}

TEST_F(ShellTest, ShownChildWindowFollowsTheMainWindowSize) {
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  shell::Hauptfenster* h = programm->Haupt();
  h->show();
  programm->ZeigeChildpanel(Fenster::Com);
  QWidget* com = programm->Panel(Fenster::Com);
  EXPECT_EQ(com->geometry(), QRect(1, 17, h->width() - 2, h->height() - 18));
  const QSize gross(h->width() * 2, h->height() * 2);
  h->resize(gross);
  ASSERT_TRUE(warteBis([&] { return h->size() == gross; }));
  EXPECT_EQ(com->geometry(), QRect(1, 17, gross.width() - 2, gross.height() - 18));
}

// Every real child window is a child widget inside the main window, not a window of its
// own that a window manager would place, frame and let close on its own.
TEST_F(ShellTest, ChildWindowsLieInsideTheMainWindowWithoutAFrameOfTheirOwn) {
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  shell::Hauptfenster* h = programm->Haupt();
  h->show();
  for (Fenster f : {Fenster::Com, Fenster::Konfig, Fenster::Kurven, Fenster::Kennlinie}) {
    QWidget* w = programm->Panel(f);
    ASSERT_NE(w, nullptr);
    programm->ZeigeChildpanel(f);
    EXPECT_FALSE(w->isWindow()) << static_cast<int>(f);
    EXPECT_EQ(w->window(), h);
    EXPECT_EQ(w->pos(), QPoint(1, 17));
    EXPECT_TRUE(h->rect().contains(w->geometry()));
    EXPECT_EQ(w->size(), QSize(h->width() - 2, h->height() - 18));
  }
  // The curve window's title (its file name) shows in the main window's title bar.
  programm->ZeigeChildpanel(Fenster::Kurven);
  programm->Panel(Fenster::Kurven)->setWindowTitle("Curve generator - k.wur");
  EXPECT_EQ(h->windowTitle(), "MIV-3X curve generator - Curve generator - k.wur");
  programm->ZeigeChildpanel(Fenster::Haupt);
  EXPECT_EQ(h->windowTitle(), "MIV-3X curve generator");
}

TEST_F(ShellTest, QuittingAsksTheEditorsInOrderAndStaysOnTheFirstNo) {
  std::vector<std::string> protokoll;
  FakeFenster kurven{Fenster::Kurven};
  FakeFenster kennlinie{Fenster::Kennlinie};
  FakeFenster direkt{Fenster::Direkt};
  for (auto* f : {&kurven, &kennlinie, &direkt}) f->protokoll = &protokoll;
  erzeugen({&direkt, &kennlinie, &kurven});
  ASSERT_EQ(programm->Starten(), 0);
  programm->Haupt()->show();
  programm->ZeigeChildpanel(Fenster::Kurven);

  // The characteristic window says stay: the direct window is not asked, nothing quits.
  kennlinie.speicherfrage = 1;
  protokoll.clear();
  EXPECT_EQ(programm->ProgrammendeFallsAllesGespeichert(), 1);
  EXPECT_EQ(protokoll, (std::vector<std::string>{"frage 3", "frage 4"}));
  EXPECT_EQ(beendenAufrufe, 0);
  EXPECT_FALSE(programm->EndeAngefordert());
  // The program runs on as it was.
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Kurven);
  EXPECT_TRUE(kurven.widget->isVisible());

  // Closing the main window asks the same questions and stays too.
  protokoll.clear();
  programm->Haupt()->close();
  EXPECT_EQ(protokoll, (std::vector<std::string>{"frage 3", "frage 4"}));
  EXPECT_TRUE(programm->Haupt()->isVisible());
  EXPECT_EQ(beendenAufrufe, 0);

  // Everyone agrees: all three asked, the loop is told to quit once.
  kennlinie.speicherfrage = 0;
  protokoll.clear();
  programm->ZeigeChildpanel(Fenster::Haupt);
  QTest::mouseClick(programm->Haupt()->ui().ENDE, Qt::LeftButton);
  EXPECT_EQ(protokoll, (std::vector<std::string>{"frage 3", "frage 4", "frage 2"}));
  EXPECT_EQ(beendenAufrufe, 1);
  EXPECT_TRUE(programm->EndeAngefordert());
}

// The real event loop, as the program runs it: "No" to the save question ends the
// program at once, from the main window's "Exit" and from the curve window's file menu.
class EinmalFragen : public ShellTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EinmalFragen, NoToTheSaveQuestionQuitsAtOnce) {
  const bool ausKurvenfenster = GetParam();
  programm =
      std::make_unique<shell::Programm>(verbindung, shell::StandardFenstermodule(verbindung), ini);
  ASSERT_EQ(programm->Starten(), 0);
  programm->Haupt()->show();
  op.messages.clear();  // the missing settings file
  Kurven().gKurven.KurvenGeaendert = true;
  op.answerMessage(2);  // No
  QTimer::singleShot(0, [&] {
    if (ausKurvenfenster) {
      programm->ZeigeChildpanel(Fenster::Kurven);
      auto* kurven = static_cast<curves::gui::Kurvenpanel*>(programm->Panel(Fenster::Kurven));
      kurven->Aktionen().Beenden->trigger();
    } else {
      QTest::mouseClick(programm->Haupt()->ui().ENDE, Qt::LeftButton);
    }
  });
  // A second question would get Cancel and keep the loop running. The timer ends with the
  // test: a stray exit from it would end the modal loop of a later test in this process.
  QTimer notbremse;
  notbremse.setSingleShot(true);
  QObject::connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  notbremse.start(3000);
  EXPECT_EQ(0, QApplication::exec());
  ASSERT_EQ(1u, op.messages.size());
  EXPECT_EQ("Would you like to save changes to Curve generator ?", op.messages[0].text);
  EXPECT_TRUE(programm->EndeAngefordert());
  programm->Beenden();
  Kurven().gKurven.KurvenGeaendert = false;
}

INSTANTIATE_TEST_SUITE_P(HauptfensterUndKurvenfenster, EinmalFragen, ::testing::Bool());

TEST_F(ShellTest, InitialisationAndClearingRunInTheirOrder) {
  std::vector<std::string> protokoll;
  FakeFenster kurven{Fenster::Kurven};
  FakeFenster kennlinie{Fenster::Kennlinie};
  FakeFenster direkt{Fenster::Direkt};
  for (auto* f : {&kurven, &kennlinie, &direkt}) f->protokoll = &protokoll;
  erzeugen({&direkt, &kennlinie, &kurven});
  ASSERT_EQ(programm->Starten(), 0);
  EXPECT_EQ(protokoll, (std::vector<std::string>{"init 3", "init 4", "init 2"}));
  protokoll.clear();
  programm->Beenden();
  EXPECT_EQ(protokoll, (std::vector<std::string>{"clear 4", "clear 3", "clear 2"}));
}

TEST_F(ShellTest, FailedInitialisationEndsStartUpWithAPopupAndWritesNothing) {
  FakeFenster kurven{Fenster::Kurven};
  kurven.initErgebnis = -653401;
  erzeugen({&kurven});
  EXPECT_EQ(programm->Starten(), -1);
  // The missing settings file first, then the initialisation error.
  ASSERT_EQ(op.messages.size(), 2u);
  EXPECT_EQ(op.messages[1].title, "Error #653401");
  EXPECT_EQ(op.messages[1].text, "Could not create toolbar");
  EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(ShellTest, AWindowThatCannotBeLoadedEndsStartUpSilently) {
  FakeFenster kurven{Fenster::Kurven};
  kurven.ladenScheitert = true;
  erzeugen({&kurven});
  EXPECT_EQ(programm->Starten(), -1);
  EXPECT_TRUE(op.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(ini));
}

}  // namespace
}  // namespace shelltest
