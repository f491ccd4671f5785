// The characteristic window joined to the program: its settings section, its save question
// at the end, its start-up failures, and the start option that offers every window.
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

#include "ShellFixture.h"
#include "characteristic/gui/Kennlinienpanel.h"
#include "curves/gui/Kurvenpanel.h"
#include "curves/model/Kurvenmodell.h"
#include "device/gui/CompanelFenster.h"
#include "device/gui/LeitungslogFenster.h"
#include "shell/Hauptfenster.h"
#include "ui_COMPNL.h"
#include "ui_MAINPANEL.h"

namespace shelltest {
namespace {

using shell::Fenster;

std::string iniWert(const std::string& pfad, const std::string& sektion, const std::string& key) {
  std::istringstream s(dateiInhalt(pfad));
  std::string zeile, aktuell;
  while (std::getline(s, zeile)) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    if (!zeile.empty() && zeile.front() == '[') aktuell = zeile.substr(1, zeile.find(']') - 1);
    const auto gleich = zeile.find(" = ");
    if (aktuell == sektion && gleich != std::string::npos && zeile.substr(0, gleich) == key)
      return zeile.substr(gleich + 3);
  }
  return "";
}

// The texts of a window's menu with the given title, separators left out.
QStringList Menue(QWidget* fenster, const QString& titel) {
  QStringList texte;
  for (QAction* m : static_cast<QMainWindow*>(fenster)->menuBar()->actions())
    if (m->text() == titel && m->menu())
      for (QAction* a : m->menu()->actions())
        if (!a->isSeparator()) texte << a->text();
  return texte;
}

class KennlinieShellTest : public ShellTest {
 protected:
  characteristic::gui::Kennlinienpanel* Kennlinienfenster() {
    return static_cast<characteristic::gui::Kennlinienpanel*>(programm->Panel(Fenster::Kennlinie));
  }
  // The characteristic of the started program, as its window shows it.
  characteristic::Kennliniensitzung& Kennlinie() { return Kennlinienfenster()->Sitzung(); }
};

struct Darstellungsfall {
  const char* name;
  const char* datei;
  int erwartet;
};

class KennlinieDarstellung : public KennlinieShellTest,
                             public ::testing::WithParamInterface<Darstellungsfall> {};

TEST_P(KennlinieDarstellung, SectionGivesTheDisplayTypeAndIsWrittenBack) {
  dateiSchreiben(ini, GetParam().datei);
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  EXPECT_EQ(Kennlinienfenster()->Darstellung(), GetParam().erwartet);
  for (QAction* a : Kennlinienfenster()->Aktionen().Darstellung)
    EXPECT_EQ(a->isChecked(), a->data().toInt() == GetParam().erwartet);
  programm->Beenden();
  EXPECT_EQ(iniWert(ini, "kennlinie", "darstellung"), std::to_string(GetParam().erwartet));
}

INSTANTIATE_TEST_SUITE_P(
    Kennlinie, KennlinieDarstellung,
    ::testing::Values(Darstellungsfall{"SevenGivesBoth", "[kennlinie]\ndarstellung = 7\n", 3},
                      Darstellungsfall{"MissingGivesBoth", "[kurven]\ndarstellung = 1\n", 3},
                      Darstellungsfall{"ZeroGivesBoth", "[kennlinie]\ndarstellung = 0\n", 3},
                      Darstellungsfall{"Steps", "[kennlinie]\ndarstellung = 2\n", 2},
                      Darstellungsfall{"Lines", "[kennlinie]\ndarstellung = 1\n", 1}),
    [](const auto& info) { return std::string(info.param.name); });

// Quitting asks the curves first, then the characteristic: Cancel stays, No quits without
// a file, Yes saves to the chosen file first.
TEST_F(KennlinieShellTest, SaveQuestionAtQuitStaysSavesOrDiscards) {
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  op.messages.clear();
  Kennlinie().gKennl.KennlinieGeaendert = true;
  Kurven().gKurven.KurvenGeaendert = false;

  op.answerMessage(3);  // Cancel
  EXPECT_EQ(programm->ProgrammendeFallsAllesGespeichert(), 1);
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].title, "Warning");
  EXPECT_EQ(op.messages[0].text, "Would you like to save changes to Characteristic controller ?");
  EXPECT_EQ(op.messages[0].buttons, (std::vector<std::string>{"Yes", "No", "Cancel"}));
  EXPECT_EQ(op.messages[0].activeButton, 3);
  EXPECT_EQ(op.messages[0].escapeButton, 3);
  EXPECT_EQ(beendenAufrufe, 0);
  EXPECT_TRUE(Kennlinie().gKennl.KennlinieGeaendert);

  // Yes: saved to the chosen file, then the program may end.
  const std::string datei = tmp.file("k.wue");
  op.answerMessage(1);
  op.answerFile(datei);
  EXPECT_EQ(programm->ProgrammendeFallsAllesGespeichert(), 0);
  EXPECT_EQ(beendenAufrufe, 1);
  EXPECT_TRUE(std::filesystem::exists(datei));
  EXPECT_FALSE(Kennlinie().gKennl.KennlinieGeaendert);

  // No: nothing written, the program ends.
  std::filesystem::remove(datei);
  Kennlinie().gKennl.KennlinieGeaendert = true;
  op.answerMessage(2);
  EXPECT_EQ(programm->ProgrammendeFallsAllesGespeichert(), 0);
  EXPECT_EQ(beendenAufrufe, 2);
  EXPECT_FALSE(std::filesystem::exists(datei));

  // Both editors changed: the curves are asked first; their Cancel asks nothing more.
  op.messages.clear();
  Kurven().gKurven.KurvenGeaendert = true;
  op.answerMessage(3);
  EXPECT_EQ(programm->ProgrammendeFallsAllesGespeichert(), 1);
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].text, "Would you like to save changes to Curve generator ?");
  Kurven().gKurven.KurvenGeaendert = false;
}

TEST_F(KennlinieShellTest, ModelThatCannotBeAllocatedEndsStartUp) {
  erzeugen();
  characteristic::KennlAllokationsHaken().Ausloesen(1);
  EXPECT_EQ(programm->Starten(), -1);
  characteristic::KennlAllokationsHaken().Ausloesen(0);
  ASSERT_FALSE(op.messages.empty());
  EXPECT_EQ(op.messages.back().title, "Error #600502");
  EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(KennlinieShellTest, ByDefaultTheCharacteristicWindowIsNotOffered) {
  erzeugen();
  ASSERT_EQ(programm->Starten(), 0);
  EXPECT_TRUE(programm->Haupt()->ui().KENNLINIE->isHidden());
  auto* com = static_cast<device::gui::CompanelFenster*>(programm->Panel(Fenster::Com));
  // The line log is always reached from the COM settings window.
  EXPECT_EQ(Menue(com, "Windows"),
            (QStringList{"Main window", "COM settings", "Curve generator", "Line log"}));
  EXPECT_EQ(Menue(programm->Panel(Fenster::Kurven), "windows"),
            (QStringList{"Main window", "COM settings", "Curve generator"}));
}

TEST_F(KennlinieShellTest, AllWindowsOffersEveryWindowEverywhere) {
  erzeugen();
  programm->navigation.AlleFenster = true;
  ASSERT_EQ(programm->Starten(), 0);
  shell::Hauptfenster* h = programm->Haupt();
  h->show();
  auto& u = h->ui();
  for (QWidget* w : std::initializer_list<QWidget*>{u.COM, u.KONFIG, u.DIREKT, u.KURVEN,
                                                    u.KENNLINIE, u.DIREKTHILFE})
    EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();

  auto* com = static_cast<device::gui::CompanelFenster*>(programm->Panel(Fenster::Com));
  const QStringList englisch{"Main window",       "COM settings",    "Configuration",
                             "Direct in-/output", "Curve generator", "characteristics controller",
                             "Line log"};
  EXPECT_EQ(Menue(com, "Windows"), englisch);
  EXPECT_EQ(Menue(programm->Panel(Fenster::Kurven), "windows"), englisch);
  const QStringList deutsch{
      "Hauptfenster",    "COM-Einstellung",  "Konfiguration", "Direkte Ein-/Ausgabe",
      "Kurvengenerator", "Kennlinienregler", "Line log"};
  for (Fenster f : {Fenster::Konfig, Fenster::Direkt, Fenster::Kennlinie})
    EXPECT_EQ(Menue(programm->Panel(f), "Fenster"), deutsch) << static_cast<int>(f);

  // The main window's button shows the characteristic window inside it; its Window menu
  // reaches the curve window.
  QTest::mouseClick(u.KENNLINIE, Qt::LeftButton);
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Kennlinie);
  EXPECT_TRUE(Kennlinienfenster()->isVisible());
  EXPECT_EQ(Kennlinienfenster()->window(), h);
  Kennlinienfenster()->Aktionen().Fenster[4]->trigger();
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Kurven);
  // And the curve window's menu leads back.
  auto* kurven = static_cast<curves::gui::Kurvenpanel*>(programm->Panel(Fenster::Kurven));
  kurven->Aktionen().Kennlinienfenster->trigger();
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Kennlinie);

  // "Line log" opens a window of its own and leaves the main window's content; asked
  // again from another window it is the same one.
  Kennlinienfenster()->Aktionen().Fenster[6]->trigger();
  const auto logs = h->findChildren<device::gui::LeitungslogFenster*>();
  ASSERT_EQ(logs.size(), 1);
  EXPECT_TRUE(logs[0]->isVisible());
  EXPECT_TRUE(logs[0]->isWindow());
  EXPECT_EQ(programm->AktuellesFenster(), Fenster::Kennlinie);
  kurven->Aktionen().Leitungslogfenster->trigger();
  EXPECT_EQ(h->findChildren<device::gui::LeitungslogFenster*>().size(), 1);
}

}  // namespace
}  // namespace shelltest
