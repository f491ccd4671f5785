// Menus and toolbar built from one command table, and direct help for every command.
#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "widgets/Direkthilfe.h"
#include "common/OperatorInterface.h"
#include "support/ScriptedOperator.h"
#include "widgets/Befehlstabelle.h"

namespace {

using widgets::Befehlszeile;
using widgets::Leistentrenner;

QStringList Eintraege(const QList<QAction*>& aktionen) {
  QStringList l;
  for (QAction* a : aktionen) l << (a->isSeparator() ? (a->isEnabled() ? "|" : ":") : a->text());
  return l;
}

class BefehlstabelleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    widgets::DirekthilfeSchalten(false);
    auto zeile = [this](QAction*& ziel, const char* menue, const char* text) -> Befehlszeile& {
      zeilen.push_back({});
      zeilen.back().Ziel = &ziel;
      zeilen.back().Menue = menue;
      zeilen.back().Text = text;
      return zeilen.back();
    };
    auto& neu = zeile(neu_, "file", "New");
    neu.Bild = "new";
    neu.Hilfe = "Makes it new.";
    neu.Aktion = [this] { ++neuAufrufe; };
    auto& ende = zeile(ende_, "file", "Exit");
    ende.MenueTrenner = true;
    ende.Aktion = [this] { ++endeAufrufe; };
    auto& a = zeile(typA_, "view/Types", "Lines");
    a.MenueTrenner = true;
    a.Gruppe = new QActionGroup(&fenster);
    a.Daten = 1;
    auto& b = zeile(typB_, "view/Types", "Steps");
    b.Gruppe = a.Gruppe;
    auto& knopf = zeile(knopf_, "", "Only in the toolbar");
    knopf.Bild = "leer";
    knopf.Tipp = "A button";
    knopf.Trenner = Leistentrenner::Gedimmt;
    knopf.Aktiv = false;
    auto& hilfe = zeile(hilfe_, "help", "Direct help");
    hilfe.Bild = "help";
    hilfe.Pruefbar = true;
    hilfe.AuchImHilfemodus = true;
    hilfe.Trenner = Leistentrenner::Aktiv;
    hilfe.Aktion = [] { widgets::DirekthilfeSchalten(!widgets::HilfeAktiv()); };
    widgets::BefehleAnlegen(&fenster, zeilen);
  }
  void TearDown() override { widgets::DirekthilfeSchalten(false); }

  testsupport::ScriptedOperator op;
  QMainWindow fenster;
  std::vector<Befehlszeile> zeilen;
  QAction *neu_ = nullptr, *ende_ = nullptr, *typA_ = nullptr, *typB_ = nullptr,
          *knopf_ = nullptr, *hilfe_ = nullptr;
  int neuAufrufe = 0, endeAufrufe = 0;
};

TEST_F(BefehlstabelleTest, MenusInTableOrderWithSubmenusAndSeparators) {
  widgets::MenuesAnlegen(fenster.menuBar(), zeilen);
  const auto menues = fenster.menuBar()->actions();
  EXPECT_EQ((QStringList{"file", "view", "help"}), Eintraege(menues));
  EXPECT_EQ((QStringList{"New", "|", "Exit"}), Eintraege(menues[0]->menu()->actions()));
  // The separator of the submenu's first row goes before the submenu.
  EXPECT_EQ((QStringList{"|", "Types"}), Eintraege(menues[1]->menu()->actions()));
  EXPECT_EQ((QStringList{"Lines", "Steps"}),
            Eintraege(menues[1]->menu()->actions().last()->menu()->actions()));
  EXPECT_TRUE(typA_->isCheckable());
  EXPECT_EQ(typA_->actionGroup(), typB_->actionGroup());
  EXPECT_EQ(1, typA_->data().toInt());
  // Built again, the menus are not doubled.
  widgets::MenuesAnlegen(fenster.menuBar(), zeilen);
  EXPECT_EQ(3, fenster.menuBar()->actions().size());
}

TEST_F(BefehlstabelleTest, ToolbarHoldsTheRowsWithImagesAndTheirTooltips) {
  QToolBar leiste;
  widgets::WerkzeugleisteFuellen(&leiste, zeilen);
  EXPECT_EQ((QStringList{"New", ":", "Only in the toolbar", "|", "Direct help"}),
            Eintraege(leiste.actions()));
  EXPECT_EQ("New", neu_->toolTip());
  EXPECT_EQ("A button", knopf_->toolTip());
  EXPECT_FALSE(knopf_->isEnabled());
  EXPECT_FALSE(neu_->icon().isNull());
}

TEST_F(BefehlstabelleTest, HelpModeShowsTheHelpTextInsteadOfActing) {
  neu_->trigger();
  EXPECT_EQ(1, neuAufrufe);
  hilfe_->trigger();
  ASSERT_TRUE(widgets::HilfeAktiv());
  neu_->trigger();
  ende_->trigger();  // no help text: nothing at all
  EXPECT_EQ(1, neuAufrufe);
  EXPECT_EQ(0, endeAufrufe);
  EXPECT_EQ((std::vector<std::string>{widgets::kHilfeModusAn, "Makes it new."}), op.helpTexts);
  hilfe_->trigger();  // the switch itself still works
  EXPECT_FALSE(widgets::HilfeAktiv());
  ende_->trigger();
  EXPECT_EQ(1, endeAufrufe);
}

}  // namespace
