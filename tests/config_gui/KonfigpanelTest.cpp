// The configuration window: start-up values, leaving and rescaling, reset, files, direct
// help, and values that must survive the fields unchanged.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "widgets/Direkthilfe.h"
#include "config/Konfigdatei.h"
#include "config/Konfigfelder.h"
#include "config/Konfiguration.h"
#include "config/gui/KonfigpanelFenster.h"
#include "config/gui/Zahlenfeld.h"
#include "device/Fehler.h"
#include "support/ScriptedOperator.h"
#include "support/TempDir.h"
#include "ui_KONFIGPNL.h"
#include "widgets/Navigation.h"

namespace {

using config::gui::KonfigpanelFenster;
using widgets::Fenster;

class KonfigFensterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    widgets::DirekthilfeSchalten(false);
    device::ZOR_Fehlersprache(2);  // as the program sets at start
    config::KonfigurationStandardwerte(konfig);
    fenster = std::make_unique<KonfigpanelFenster>(
        konfig, nullptr, widgets::Fensterumgebung{verbindung, nullptr, &navigation});
    fenster->resize(900, 600);
    fenster->show();
    wahl = navigation.Fensterwahl.Abonnieren(
        [this](Fenster f) { ablauf.push_back("zeige " + std::to_string(static_cast<int>(f))); });
    ende = navigation.Endeanfragen.Abonnieren([this](int& antwort) {
      ablauf.push_back("ende");
      antwort = 0;
    });
    for (const char* name : {"kurven", "kennlinie", "direkt"})
      tickets.push_back(konfig.Neuskalierungen.Abonnieren([this, name] {
        // Each window sees the new record when it is rescaled.
        ablauf.push_back(std::string(name) + " " + std::to_string(konfig.gKonfig.voutmax));
      }));
  }
  void TearDown() override {
    tickets.clear();
    fenster.reset();
    widgets::DirekthilfeSchalten(false);
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    config::KonfigurationStandardwerte(konfig);
  }

  Ui::KONFIGPNL& u() { return fenster->ui(); }

  testsupport::ScriptedOperator op;
  testsupport::TempDir tmp;
  device::Verbindung verbindung;
  config::Konfigsitzung konfig;
  widgets::Fensternavigation navigation;
  common::Meldeliste<Fenster>::Abo wahl;
  common::Meldeliste<int&>::Abo ende;
  std::unique_ptr<KonfigpanelFenster> fenster;
  std::vector<std::string> ablauf;
  std::vector<common::Meldeliste<>::Abo> tickets;
};

TEST_F(KonfigFensterTest, GermanTextsAndRangeEntries) {
  EXPECT_EQ(fenster->windowTitle(), "Konfiguration");
  EXPECT_EQ(u().AUSGAENGE->title(), "Skalierung der Ausgänge");
  EXPECT_EQ(u().EINGAENGE->title(), "Skalierung der Eingänge");
  EXPECT_EQ(u().OUTZEILE3->text(), "WUN-2 Ausgang 3 von");
  EXPECT_EQ(u().INZEILE4->text(), "WUN-2 Eingang 4 von");
  EXPECT_EQ(u().OUTUMGERECHNET1->text(), "V wird umgerechnet in");
  EXPECT_EQ(u().AUSGANGSBEREICHLABEL->text(), "WUN-2 Ausgänge");
  EXPECT_EQ(u().EINGANGSBEREICHLABEL->text(), "WUN-2 Eingänge");
  ASSERT_EQ(u().AUSGANGSBEREICH->count(), 3);
  EXPECT_EQ(u().AUSGANGSBEREICH->itemText(0), "0 - 4.095 V");
  EXPECT_EQ(u().AUSGANGSBEREICH->itemData(0).toDouble(), 4.095);
  EXPECT_EQ(u().EINGANGSBEREICH->itemText(2), "0 - 10 V");
  EXPECT_EQ(u().EINGANGSBEREICH->itemData(1).toDouble(), 5.0);
  EXPECT_EQ(u().STANDARDWERTE->text(), "auf Standardwerte zurücksetzen");
  EXPECT_EQ(u().HAUPTFENSTER->text().remove('&'), "zurück zum Hauptfenster");
  EXPECT_EQ(u().HINWEIS->text(),
            "Alle Angaben dienen dazu, die Ein-/Ausgänge\nder WUN-2 in andere Größen "
            "umzurechnen.");
  QStringList fenster_, datei;
  for (QAction* a : u().menuFenster->actions()) fenster_ << a->text();
  for (QAction* a : u().menuDatei->actions()) datei << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(fenster_,
            (QStringList{"Hauptfenster", "COM-Einstellung", "Konfiguration", "Direkte Ein-/Ausgabe",
                         "Kurvengenerator", "Kennlinienregler", "Line log"}));
  EXPECT_EQ(datei, (QStringList{"Konfigurationsdatei laden", "Konfigurationsdatei speichern", "-",
                                "Beenden"}));
  // Output voltages 0 to 10, the rest unlimited, steps of 1.0.
  EXPECT_EQ(u().SPANNUNG_OUTMAX2->maximum(), 10.0);
  EXPECT_EQ(u().SPANNUNG_OUTMIN2->minimum(), 0.0);
  EXPECT_GE(u().SPANNUNG_INMAX2->maximum(), 1e9);
  EXPECT_LE(u().SKALAOUTMIN4->minimum(), -1e9);
  EXPECT_EQ(u().SKALAINMAX1->singleStep(), 1.0);
}

TEST_F(KonfigFensterTest, StartUpPutsTheBuildValuesIntoTheFieldsOnly) {
  const config::Konfiguration vorher = konfig.gKonfig;
  fenster->Init();
  EXPECT_EQ(u().AUSGANGSBEREICH->currentData().toDouble(), 4.095);
  EXPECT_EQ(u().SPANNUNG_OUTMIN1->value(), 0.0);
  EXPECT_EQ(u().SPANNUNG_OUTMAX1->value(), 4.095);
  EXPECT_EQ(u().SKALAOUTMIN1->value(), 0.0);
  EXPECT_EQ(u().SKALAOUTMAX1->value(), 4.095);
  EXPECT_EQ(u().EINHEITOUT1->text(), "A");
  EXPECT_EQ(u().SKALAOUTMAX1->text(), "4.095");
  for (QLineEdit* e : {u().EINHEITOUT1, u().EINHEITOUT4, u().EINHEITIN1, u().EINHEITIN4})
    EXPECT_EQ(e->maxLength(), 8);
  // The record takes them only when the fields are stored.
  EXPECT_EQ(config::KonfigurationenVergleichen(vorher, konfig.gKonfig), 1);
  config::KonfigfelderInStrukturSpeichern(konfig);
  EXPECT_EQ(konfig.gKonfig.voutmax, 4.095);
  EXPECT_EQ(konfig.gKonfig.outmax[0], 4.095);
  EXPECT_STREQ(konfig.gKonfig.outeinheit[0], "A");
}

TEST_F(KonfigFensterTest, LeavingByTheButtonStoresRescalesThenShowsTheMainWindow) {
  u().AUSGANGSBEREICH->setCurrentIndex(1);
  u().SKALAOUTMAX2->setValue(60.0);
  u().EINHEITIN3->setText("mbar");
  EXPECT_EQ(konfig.gKonfig.voutmax, 10.0);  // edits alone change nothing
  QTest::mouseClick(u().HAUPTFENSTER, Qt::LeftButton);
  EXPECT_EQ(konfig.gKonfig.voutmax, 5.0);
  EXPECT_EQ(konfig.gKonfig.outskalamax[1], 60.0);
  EXPECT_STREQ(konfig.gKonfig.ineinheit[2], "mbar");
  EXPECT_EQ(ablauf, (std::vector<std::string>{"kurven 5.000000", "kennlinie 5.000000",
                                              "direkt 5.000000", "zeige -1"}));
}

TEST_F(KonfigFensterTest, LeavingByTheMenuShowsTheChosenWindowFirst) {
  u().EINGANGSBEREICH->setCurrentIndex(0);
  u().actionComEinstellung->trigger();
  EXPECT_EQ(konfig.gKonfig.vinmax, 4.095);
  EXPECT_EQ(ablauf, (std::vector<std::string>{"zeige 0", "kurven 10.000000", "kennlinie 10.000000",
                                              "direkt 10.000000"}));
  ablauf.clear();
  u().actionKurven->trigger();
  EXPECT_EQ(ablauf.front(), "zeige 3");
  u().actionBeenden->trigger();
  EXPECT_EQ(ablauf.back(), "ende");
}

TEST_F(KonfigFensterTest, ResetAsksAndOnlyYesResets) {
  fenster->Init();
  u().EINHEITOUT3->setText("bar");
  op.answerMessage(2);  // "No"
  QTest::mouseClick(u().STANDARDWERTE, Qt::LeftButton);
  ASSERT_EQ(op.messages.size(), 1u);
  const auto& frage = op.messages[0];
  EXPECT_EQ(frage.title, "Reset values");
  EXPECT_EQ(frage.text, "Do you want to delete all values\nand reset to default setting?");
  EXPECT_EQ(frage.buttons, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(frage.activeButton, 1);
  EXPECT_EQ(frage.escapeButton, 2);
  EXPECT_EQ(u().EINHEITOUT3->text(), "bar");
  EXPECT_EQ(u().AUSGANGSBEREICH->currentData().toDouble(), 4.095);

  op.answerMessage(1);  // "Yes"
  QTest::mouseClick(u().STANDARDWERTE, Qt::LeftButton);
  EXPECT_EQ(u().AUSGANGSBEREICH->currentData().toDouble(), 10.0);
  EXPECT_EQ(u().EINGANGSBEREICH->currentData().toDouble(), 10.0);
  for (auto* f : {u().SPANNUNG_OUTMIN1, u().SKALAOUTMIN3, u().SPANNUNG_INMIN4, u().SKALAINMIN2})
    EXPECT_EQ(f->value(), 0.0);
  for (auto* f : {u().SPANNUNG_OUTMAX1, u().SKALAOUTMAX3, u().SPANNUNG_INMAX4, u().SKALAINMAX2})
    EXPECT_EQ(f->value(), 10.0);
  for (QLineEdit* e : {u().EINHEITOUT1, u().EINHEITOUT3, u().EINHEITIN2}) EXPECT_EQ(e->text(), "V");
}

TEST_F(KonfigFensterTest, SavedFileLoadsBackAndBadFilesChangeNothing) {
  fenster->Init();
  u().EINHEITOUT2->setText("12345678");
  u().SPANNUNG_INMAX1->setValue(6.25);
  const std::string datei = tmp.file("a.wuo");
  op.answerFile(datei);
  u().actionSpeichern->trigger();
  EXPECT_TRUE(op.messages.empty());
  ASSERT_EQ(std::filesystem::file_size(datei), 392u);
  ASSERT_EQ(op.fileRequests.size(), 1u);
  EXPECT_EQ(op.fileRequests[0].title, "Save configuration");
  EXPECT_EQ(op.fileRequests[0].pattern, "*.wuo");

  // Fields changed after saving: a bad file must leave them alone.
  u().EINHEITOUT2->setText("x");
  std::string inhalt;
  {
    std::ifstream f(datei, std::ios::binary);
    inhalt.assign(std::istreambuf_iterator<char>(f), {});
  }
  struct Fall {
    std::string bytes;
    const char* titel;
  };
  std::string fremd = inhalt;
  fremd[0] = 'X';
  std::string version2 = inhalt;
  version2[32] = 2;
  for (const Fall& fall : {Fall{inhalt.substr(0, 391), "Error #304264"},
                           Fall{fremd, "Error #1021265"}, Fall{version2, "Error #303266"}}) {
    const std::string schlecht = tmp.file("schlecht.wuo");
    std::ofstream(schlecht, std::ios::binary) << fall.bytes;
    const config::Konfiguration vorher = konfig.gKonfig;
    op.messages.clear();
    op.answerFile(schlecht);
    u().actionLaden->trigger();
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].title, fall.titel);
    EXPECT_EQ(u().EINHEITOUT2->text(), "x");
    EXPECT_EQ(config::KonfigurationenVergleichen(vorher, konfig.gKonfig), 1);
  }
  op.messages.clear();
  op.answerFile(tmp.file("fehlt.wuo"));
  u().actionLaden->trigger();
  ASSERT_EQ(op.messages.size(), 1u);
  EXPECT_EQ(op.messages[0].title, "Error #308263");
  EXPECT_EQ(op.messages[0].text, "Error opening file");

  // A cancelled dialog does nothing.
  op.messages.clear();
  u().actionLaden->trigger();
  EXPECT_TRUE(op.messages.empty());
  EXPECT_EQ(u().EINHEITOUT2->text(), "x");

  op.answerFile(datei);
  u().actionLaden->trigger();
  EXPECT_TRUE(op.messages.empty());
  EXPECT_EQ(u().EINHEITOUT2->text(), "12345678");
  EXPECT_EQ(u().SPANNUNG_INMAX1->value(), 6.25);
  EXPECT_EQ(u().AUSGANGSBEREICH->currentData().toDouble(), 4.095);
}

TEST_F(KonfigFensterTest, ValuesSurviveTheFieldsUnchanged) {
  config::Konfiguration k = config::KonfigurationStandard();
  k.voutmax = 7.5;  // not one of the three entries
  k.outmax[0] = 4.0955;
  k.inskalamax[3] = 1234.56789;
  k.inskalamin[3] = -250.5;
  std::strcpy(k.outeinheit[2], "12345678");
  config::KonfigurationSetzen(konfig, k);
  EXPECT_EQ(u().AUSGANGSBEREICH->currentData().toDouble(), 7.5);
  EXPECT_EQ(u().SPANNUNG_OUTMAX1->text(), "4.0955");
  config::KonfigfelderInStrukturSpeichern(konfig);
  EXPECT_EQ(config::KonfigurationenVergleichen(k, konfig.gKonfig), 1);

  // A unit field takes no more than 8 characters.
  u().EINHEITIN1->clear();
  QTest::keyClicks(u().EINHEITIN1, "abcdefghij");
  EXPECT_EQ(u().EINHEITIN1->text(), "abcdefgh");
  // A number typed but not confirmed counts.
  u().SKALAINMAX2->findChild<QLineEdit*>()->selectAll();
  QTest::keyClicks(u().SKALAINMAX2->findChild<QLineEdit*>(), "42.5");
  config::KonfigfelderInStrukturSpeichern(konfig);
  EXPECT_STREQ(konfig.gKonfig.ineinheit[0], "abcdefgh");
  EXPECT_EQ(konfig.gKonfig.inskalamax[1], 42.5);
}

TEST_F(KonfigFensterTest, InputVoltagesAndScalesTakeAnyValueAtFullPrecision) {
  config::Konfiguration k = config::KonfigurationStandard();
  k.inmin[0] = -2.5e10;  // input voltages are not limited
  k.inmax[0] = 3.0e12;
  k.outskalamax[1] = 5.0e15;  // a scale in a small unit
  k.outskalamin[1] = -7.25e11;
  k.inskalamax[2] = 1.0 / 3.0;  // more digits than any fixed number of decimals
  k.outmax[3] = 0.1 + 0.2;
  k.inskalamin[3] = 1.5e-12;
  config::KonfigurationSetzen(konfig, k);
  EXPECT_EQ(u().SPANNUNG_INMAX1->value(), 3.0e12);
  EXPECT_EQ(u().SKALAOUTMAX2->value(), 5.0e15);
  EXPECT_EQ(u().SKALAINMAX3->text(), "0.3333333333333333");
  EXPECT_EQ(u().SPANNUNG_OUTMAX4->text(), "0.30000000000000004");
  EXPECT_EQ(u().SKALAINMIN4->text(), "0.0000000000015");
  EXPECT_EQ(u().SKALAOUTMIN2->text(), "-725000000000.000");
  config::KonfigfelderInStrukturSpeichern(konfig);
  EXPECT_EQ(config::KonfigurationenVergleichen(k, konfig.gKonfig), 1);

  // Typed values of any size count too; the output voltages stay within 0 to 10.
  QLineEdit* feld = u().SKALAINMAX1->findChild<QLineEdit*>();
  feld->selectAll();
  QTest::keyClicks(feld, "-4000000000000");
  feld = u().SPANNUNG_OUTMAX1->findChild<QLineEdit*>();
  feld->selectAll();
  QTest::keyClicks(feld, "12");
  config::KonfigfelderInStrukturSpeichern(konfig);
  EXPECT_EQ(konfig.gKonfig.inskalamax[0], -4.0e12);
  EXPECT_LE(konfig.gKonfig.outmax[0], 10.0);

  // Unlimited fields still ask for a field's width, not for the width of their limits.
  const int breit = u().SPANNUNG_OUTMAX1->minimumSizeHint().width();
  EXPECT_LE(u().SKALAINMAX1->minimumSizeHint().width(), 3 * breit);
  EXPECT_LE(u().SKALAINMAX1->sizeHint().width(), 3 * u().SPANNUNG_OUTMAX1->sizeHint().width());
}

TEST_F(KonfigFensterTest, DirectHelpShowsFieldTextsAndBlocksEveryAction) {
  u().DIREKTHILFE->setChecked(true);
  ASSERT_EQ(widgets::HilfeAktiv(), 1);
  ASSERT_EQ(op.helpTexts.size(), 1u);
  EXPECT_EQ(op.helpTexts[0], "Direct help mode activated!\nTo quit click the '?' icon.");
  QTest::mouseClick(u().AUSGANGSBEREICH, Qt::LeftButton);
  QTest::mouseClick(u().SKALAOUTMAX3->findChild<QLineEdit*>(), Qt::LeftButton);
  QTest::mouseClick(u().EINHEITIN2, Qt::LeftButton);
  QTest::mouseClick(u().STANDARDWERTE, Qt::LeftButton);
  QTest::mouseClick(u().HAUPTFENSTER, Qt::LeftButton);
  ASSERT_EQ(op.helpTexts.size(), 5u);
  EXPECT_EQ(op.helpTexts[1],
            "The WUN-2 is available with 0-10V or 0-4V outputs\n(different hardware). Set the "
            "box to be used here.");
  EXPECT_NE(op.helpTexts[2].find("'Output 1 from 0.0 to 5.0 V is converted into 0.000 to "
                                 "60.000 V'"),
            std::string::npos);
  EXPECT_EQ(op.helpTexts[3], "The unit definition for the input size.");
  EXPECT_EQ(op.helpTexts[4], "Resets all input fields to the default values\n( 0 to 10V ).");
  // No question, no leaving, no file dialog.
  u().STANDARDWERTE->click();
  u().HAUPTFENSTER->click();
  u().actionHauptfenster->trigger();
  u().actionLaden->trigger();
  u().actionBeenden->trigger();
  EXPECT_TRUE(op.messages.empty());
  EXPECT_TRUE(op.fileRequests.empty());
  EXPECT_TRUE(ablauf.empty());

  u().DIREKTHILFE->setChecked(false);
  EXPECT_EQ(widgets::HilfeAktiv(), 0);
  QTest::mouseClick(u().HAUPTFENSTER, Qt::LeftButton);
  EXPECT_EQ(ablauf.back(), "zeige -1");
}

}  // namespace
