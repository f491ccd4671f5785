#include <gtest/gtest.h>

#include <cmath>

#include "Kurvenfixture.h"
#include "curves/edit/BearbeitenGeraden.h"

namespace {

class Teilen : public testsupport::Kurvenfixture {};
class Zeitbasis : public testsupport::Kurvenfixture {};
class Geradenlaenge : public testsupport::Kurvenfixture {};

TEST_F(Teilen, InsertsPointOnTheLine) {
  Setze({{0, 10, 1, {}}, {4000, 1, 1, {}}});
  EXPECT_EQ(curves::GeradeTeilen(sitzung, 7200.0), 1);  // e = round(7.2) = 7
  ASSERT_EQ(Anzahl(), 3);
  EXPECT_EQ(Punkte()[0].Laenge, 7);
  EXPECT_EQ(Punkte()[1].Y, 2800);
  EXPECT_EQ(Punkte()[1].Laenge, 3);
  EXPECT_EQ(Punkte()[1].Zeitbasis, 1);
  EXPECT_EQ(Punkte()[2].Y, 4000);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 11000.0);
  EXPECT_EQ(Undos(), 1);
}

TEST_F(Teilen, SplitStaysInsideTheLine) {
  Setze({{4000, 10, 1, {}}, {0, 1, 1, {}}});
  curves::GeradeTeilen(sitzung, 100.0);  // e = 0 -> 1
  EXPECT_EQ(Punkte()[0].Laenge, 1);
  EXPECT_EQ(Punkte()[1].Y, 3600);
  curves::GeradeTeilen(sitzung, 9990.0);  // second line 1000..10000, e = 9 -> 8
  EXPECT_EQ(Punkte()[1].Laenge, 8);
  EXPECT_EQ(Punkte()[2].Laenge, 1);
  EXPECT_EQ(Anzahl(), 4);
}

TEST_F(Teilen, RefusalsAndClosingLine) {
  Setze({{0, 1, 1, {}}, {100, 3, 1, {}}});
  const auto vorher = Punkte();
  EXPECT_EQ(curves::GeradeTeilen(sitzung, 500.0), 0);
  EXPECT_EQ(bediener.lastMessageText(),
            "Straight line can not be divided because it's length \nequals only one timebase "
            "unit.");
  bediener.messages.clear();
  EXPECT_EQ(curves::GeradeTeilen(sitzung, 2000.0), 0);  // the closing line: nothing, no message
  EXPECT_EQ(curves::GeradeTeilen(sitzung, std::nan("")), 0);
  EXPECT_TRUE(bediener.messages.empty());
  ErwarteUnveraendert(vorher);
}

TEST_F(Teilen, FailedGrowthKeepsCurve) {
  Setze({{0, 10, 1, {}}, {4000, 1, 1, {}}});
  curves::AllokationsfehlerAusloesen(1, 1);
  EXPECT_EQ(curves::GeradeTeilen(sitzung, 7000.0), 0);
  EXPECT_EQ(bediener.lastMessageTitle(), "Error #600403");
  ASSERT_EQ(Anzahl(), 2);
  EXPECT_EQ(Punkte()[0].Laenge, 10);
}

TEST_F(Zeitbasis, TenMillisecondLineToFive) {
  Setze({{0, 1, 4, {}}, {100, 1, 4, {}}, {0, 1, 4, {}}});
  EXPECT_EQ(curves::ZeitbasisAendern(sitzung, 5000.0, 3), 1);
  EXPECT_EQ(Punkte()[0].Laenge, 2);
  EXPECT_EQ(Punkte()[0].Zeitbasis, 3);
  EXPECT_EQ(Punkte()[2].Zeitbasis, 4);  // not the last drawn line: closing line untouched
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 30000.0);
}

TEST_F(Zeitbasis, LastDrawnLineTakesClosingLineAlong) {
  Setze({{0, 1, 4, {}}, {100, 1, 4, {}}, {0, 1, 4, {}}});
  EXPECT_EQ(curves::ZeitbasisAendern(sitzung, 15000.0, 1), 1);
  EXPECT_EQ(Punkte()[1].Laenge, 10);
  EXPECT_EQ(Punkte()[2].Zeitbasis, 1);
  EXPECT_EQ(Punkte()[2].Laenge, 1);
}

TEST_F(Zeitbasis, ClosingLineKeepsUnits) {
  EXPECT_EQ(curves::ZeitbasisAendern(sitzung, 5000.0, 1), 1);
  EXPECT_EQ(Punkte()[0].Laenge, 1);
  EXPECT_EQ(Punkte()[0].Zeitbasis, 1);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 1000.0);
  // The length changed, so the step can be undone and the curves count as changed.
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(curves::Kurvenlaenge(sitzung, 0), 10000.0);
  EXPECT_EQ(curves::ZeitbasisAendern(sitzung, 20000.0, 1), 0);  // past its end
  EXPECT_EQ(Punkte()[0].Zeitbasis, 4);
}

TEST_F(Zeitbasis, Refusals) {
  Setze({{0, 1, 4, {}}, {100, 1, 4, {}}});
  auto vorher = Punkte();
  EXPECT_EQ(curves::ZeitbasisAendern(sitzung, 5000.0, 5), 0);
  EXPECT_EQ(bediener.lastMessageTitle(), "Error");
  EXPECT_EQ(bediener.lastMessageText(),
            "The length of the straight line can not be \ndivided through the new timebase.");
  ErwarteUnveraendert(vorher);

  Setze({{0, 60000, 8, {}}, {100, 1, 8, {}}});
  vorher = Punkte();
  EXPECT_EQ(curves::ZeitbasisAendern(sitzung, 5.0, 9), 0);
  EXPECT_EQ(bediener.lastMessageTitle(), "Fehler");
  EXPECT_EQ(bediener.lastMessageText(),
            "Timebase can not be changed. \nThe resulting straight line would be too long.");
  ErwarteUnveraendert(vorher);

  bediener.messages.clear();
  EXPECT_EQ(curves::ZeitbasisAendern(sitzung, 5.0, 8), 0);  // same code
  EXPECT_EQ(curves::ZeitbasisAendern(sitzung, 5.0, 0), 0);
  EXPECT_EQ(curves::ZeitbasisAendern(sitzung, 5.0, 12), 0);
  EXPECT_EQ(curves::ZeitbasisAendern(sitzung, INFINITY, 1), 0);
  EXPECT_TRUE(bediener.messages.empty());
  ErwarteUnveraendert(vorher);
}

TEST_F(Zeitbasis, PopUpMenu) {
  Setze({{0, 1, 4, {}}, {100, 1, 4, {}}});
  EXPECT_EQ(curves::ZeitbasisAendernMitMenue(sitzung, 5000.0), 0);  // nothing chosen
  dialoge.menueAntwort(1);
  EXPECT_EQ(curves::ZeitbasisAendernMitMenue(sitzung, 5000.0), 1);
  ASSERT_EQ(dialoge.menueAufrufe.size(), 2u);
  EXPECT_EQ(dialoge.menueAufrufe[0], 4);
  EXPECT_EQ(Punkte()[0].Laenge, 10);
}

TEST_F(Geradenlaenge, EnteredDurationBecomesLength) {
  Setze({{0, 10, 1, {}}, {100, 1, 1, {}}});
  dialoge.geradenAntwort({0, 0, 2, 500.0});
  EXPECT_EQ(curves::GeradenlaengeAendern(sitzung, 3000.0), 1);
  ASSERT_EQ(dialoge.geradenAufrufe.size(), 1u);
  EXPECT_EQ(dialoge.geradenAufrufe[0].index, 0);
  EXPECT_EQ(dialoge.geradenAufrufe[0].felder.Millisekunden, 10.0);
  EXPECT_EQ(Punkte()[0].Laenge, 2500);
  // Undo step and changed flag, so the edit is neither final nor lost on quitting.
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  curves::Rueckgaengig(sitzung);
  EXPECT_EQ(Punkte()[0].Laenge, 10);
}

TEST_F(Geradenlaenge, Refusals) {
  Setze({{0, 10, 1, {}}, {100, 1, 1, {}}});
  const auto vorher = Punkte();
  struct Fall {
    curves::Zeitfelder zeit;
    const char* text;
  };
  const Fall faelle[] = {
      {{0, 0, 0, 0.0}, "The new length of the straight line is too small."},
      {{0, 0, 0, 1.5}, "It has to be possible to divide the straigt line trough its timebase."},
      {{0, 0, 0, -3.0}, "The new length of the straight line is too small."},
      {{0, 1, 5, 536.0},
       "The new length of the straight line is too big. \nSelect a bigger timebase."},
      {{0, 0, 0, NAN}, "It has to be possible to divide the straigt line trough its timebase."},
  };
  for (const auto& f : faelle) {
    dialoge.geradenAntwort(f.zeit);
    EXPECT_EQ(curves::GeradenlaengeAendern(sitzung, 100.0), 0) << f.text;
    EXPECT_EQ(bediener.lastMessageText(), f.text);
  }
  ErwarteUnveraendert(vorher);
  dialoge.geradenAntwort({0, 1, 5, 535.0});  // 65535 ms
  EXPECT_EQ(curves::GeradenlaengeAendern(sitzung, 100.0), 1);
  EXPECT_EQ(Punkte()[0].Laenge, 65535);
}

TEST_F(Geradenlaenge, ClosingLineHasNoDialog) {
  EXPECT_EQ(curves::GeradenlaengeAendern(sitzung, 100.0), 0);
  EXPECT_TRUE(dialoge.geradenAufrufe.empty());
}

}  // namespace
