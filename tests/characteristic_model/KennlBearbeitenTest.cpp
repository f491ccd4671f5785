#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <string>

#include "characteristic/model/KennlRueckgaengig.h"
#include "support/KennlFixture.h"

namespace {

using namespace characteristic;
using Pkte = std::vector<std::pair<int, int>>;

class KennlBearbeitenTest : public testsupport::KennlFixture {
 protected:
  // Every refusal leaves the points, the undo ring and the flag as they were.
  void ErwarteUnveraendert(const Pkte& vorher) {
    EXPECT_EQ(Punkte(), vorher);
    EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 0);
    EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);
  }
};

// ---- Draw ----

TEST_F(KennlBearbeitenTest, DrawingOnTheDefaultCharacteristic) {
  KennlPunktAnhaengen(sitzung, 1000, 2000);
  EXPECT_EQ(Punkte(), (Pkte{{4095, 1000}, {2000, 1}}));
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 1);
  EXPECT_TRUE(sitzung.gKennl.KennlinieGeaendert);
}

TEST_F(KennlBearbeitenTest, DrawingLeftOfTheLastPointAppendsOneStepRight) {
  Setze({{0, 100}, {10, 1}});
  KennlPunktAnhaengen(sitzung, 50, 7);
  EXPECT_EQ(Punkte(), (Pkte{{0, 100}, {10, 1}, {7, 1}}));
}

TEST_F(KennlBearbeitenTest, DrawingLeftOfTheLastPointAppendsOneGridStepRight) {
  RohEinheiten();
  sitzung.gKennl.Felder.XRaster = 100.0;
  Setze({{0, 100}, {10, 1}});
  KennlPunktAnhaengen(sitzung, 50, 7);
  EXPECT_EQ(Punkte(), (Pkte{{0, 100}, {10, 100}, {7, 1}}));
}

TEST_F(KennlBearbeitenTest, DrawingWhenTheLastPointIsAtTheEndDoesNothing) {
  Setze({{0, 4095}, {10, 1}});
  KennlPunktAnhaengen(sitzung, 4095, 7);
  ErwarteUnveraendert({{0, 4095}, {10, 1}});
  EXPECT_TRUE(op.messages.empty());
}

TEST_F(KennlBearbeitenTest, DrawingWithoutMemoryShowsTheCode) {
  // The snapshot gets its slot, the grown point array does not.
  KennlAllokationsHaken().Ausloesen(1);
  KennlPunktAnhaengen(sitzung, 1000, 2000);
  EXPECT_EQ(Punkte(), (Pkte{{4095, 0}}));
  EXPECT_EQ(op.lastMessageTitle(), "Error #600503");
}

// ---- Divide ----

struct Teilung {
  double x;
  Pkte erwartet;
};

class TeilenTest : public KennlBearbeitenTest, public ::testing::WithParamInterface<Teilung> {};

TEST_P(TeilenTest, NewPointLiesOnTheLine) {
  Setze({{0, 10}, {4000, 1}});
  KennlGeradeTeilen(sitzung, GetParam().x);
  EXPECT_EQ(Punkte(), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Teilstellen, TeilenTest,
    ::testing::Values(Teilung{3, {{0, 3}, {1200, 7}, {4000, 1}}},
                      Teilung{7, {{0, 7}, {2800, 3}, {4000, 1}}},
                      Teilung{0.2, {{0, 1}, {400, 9}, {4000, 1}}},     // at least one step
                      Teilung{9.8, {{0, 9}, {3600, 1}, {4000, 1}}}));  // at most length - 1

TEST_F(KennlBearbeitenTest, DividingALineOfOneStepIsRefused) {
  Setze({{0, 1}, {4000, 1}});
  KennlGeradeTeilen(sitzung, 0);
  ErwarteUnveraendert({{0, 1}, {4000, 1}});
  EXPECT_EQ(op.lastMessageText(),
            "Straight line can't be divided because its length \nequals only one grid unit.");
}

TEST_F(KennlBearbeitenTest, DividingBehindTheLastPointDoesNothing) {
  Setze({{0, 10}, {4000, 1}});
  KennlGeradeTeilen(sitzung, 500);
  ErwarteUnveraendert({{0, 10}, {4000, 1}});
}

TEST_F(KennlBearbeitenTest, ALineWithoutLengthIsNotDivided) {
  Setze({{0, 0}, {5, 10}, {7, 1}});
  KennlGeradeTeilen(sitzung, -1);  // the zero-length first line holds x < 0
  ErwarteUnveraendert({{0, 0}, {5, 10}, {7, 1}});
}

TEST_F(KennlBearbeitenTest, DividingKeepsTheReserveByte) {
  Setze({{0, 10}, {4000, 1}});
  sitzung.gKennl.Kennl.Punkte[0].Reserve = 5;
  KennlGeradeTeilen(sitzung, 4);
  EXPECT_EQ(sitzung.gKennl.Kennl.Punkte[1].Reserve, 5);
}

// ---- Delete ----

TEST_F(KennlBearbeitenTest, DeletingTheOnlyPointIsRefused) {
  KennlPunktLoeschen(sitzung, 0, 4095);
  ErwarteUnveraendert({{4095, 0}});
  EXPECT_EQ(op.lastMessageText(), "Last point can't be deleted");
}

TEST_F(KennlBearbeitenTest, DeletingAMiddlePointJoinsItsLines) {
  Setze({{0, 10}, {50, 20}, {100, 1}});
  sitzung.gKennl.XEnde = 29;
  KennlPunktLoeschen(sitzung, 10, 50);
  EXPECT_EQ(Punkte(), (Pkte{{0, 30}, {100, 1}}));
  Rueckgaengig(sitzung);
  EXPECT_EQ(Punkte(), (Pkte{{0, 10}, {50, 20}, {100, 1}}));
}

TEST_F(KennlBearbeitenTest, DeletingTheFirstPointShiftsEverythingLeft) {
  Setze({{0, 10}, {50, 20}, {100, 1}});
  sitzung.gKennl.XEnde = 29;
  KennlPunktLoeschen(sitzung, 0, 0);
  EXPECT_EQ(Punkte(), (Pkte{{50, 20}, {100, 1}}));
}

TEST_F(KennlBearbeitenTest, DeletingTheLastPointGivesTheNewLastALengthOfOne) {
  Setze({{0, 10}, {50, 20}, {100, 0}});
  sitzung.gKennl.XEnde = 29;
  KennlPunktLoeschen(sitzung, 30, 100);
  EXPECT_EQ(Punkte(), (Pkte{{0, 10}, {50, 1}}));
}

// ---- Move ----

TEST_F(KennlBearbeitenTest, MovingAMiddlePointKeepsTheNeighbours) {
  Setze({{0, 10}, {50, 20}, {100, 1}});
  KennlPunktVerschieben(sitzung, 1, 15, 70);
  EXPECT_EQ(Punkte(), (Pkte{{0, 15}, {70, 15}, {100, 1}}));
}

TEST_F(KennlBearbeitenTest, MovingStaysStrictlyBetweenTheNeighbours) {
  Setze({{0, 10}, {50, 20}, {100, 1}});
  KennlPunktVerschieben(sitzung, 1, 500, 5000);
  EXPECT_EQ(Punkte(), (Pkte{{0, 29}, {4095, 1}, {100, 1}}));
  KennlPunktVerschieben(sitzung, 1, -20, 0);
  EXPECT_EQ(Punkte(), (Pkte{{0, 1}, {0, 29}, {100, 1}}));
}

TEST_F(KennlBearbeitenTest, TheFirstPointKeepsXZero) {
  Setze({{0, 10}, {50, 1}});
  KennlPunktVerschieben(sitzung, 0, 5, 300);
  EXPECT_EQ(Punkte(), (Pkte{{300, 10}, {50, 1}}));
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 1);
}

TEST_F(KennlBearbeitenTest, MovingTheLastPointChangesOnlyTheLineBeforeIt) {
  Setze({{0, 10}, {50, 1}});
  KennlPunktVerschieben(sitzung, 1, 5000, 60);
  EXPECT_EQ(Punkte(), (Pkte{{0, 4095}, {60, 1}}));
}

TEST_F(KennlBearbeitenTest, MovingWithoutAGridLineBetweenTheNeighboursChangesOnlyY) {
  RohEinheiten();
  sitzung.gKennl.Felder.XRaster = 100.0;
  Setze({{0, 110}, {50, 50}, {100, 1}});  // neighbours at 0 and 160: grid line 100 only
  KennlPunktVerschieben(sitzung, 1, 100, 70);
  EXPECT_EQ(Punkte(), (Pkte{{0, 100}, {70, 60}, {100, 1}}));
  Setze({{0, 110}, {50, 30}, {100, 1}});  // neighbours at 0 and 140, point at 110
  sitzung.gKennl.Felder.XRaster = 200.0;  // no grid line strictly between 0 and 140
  KennlPunktVerschieben(sitzung, 1, 130, 80);
  EXPECT_EQ(Punkte(), (Pkte{{0, 110}, {80, 30}, {100, 1}}));
}

TEST_F(KennlBearbeitenTest, MovingOntoALineTooLongIsRefused) {
  Setze({{0, 10}, {50, 10}, {60, 1}});
  sitzung.gKennl.Kennl.Punkte[1].Laenge = 70000;  // a middle line that runs past the range
  KennlPunktVerschieben(sitzung, 1, 5, 60);
  EXPECT_EQ(op.lastMessageText(), "Resulting straight line is too long!");
  EXPECT_EQ(Punkte(), (Pkte{{0, 10}, {50, 70000}, {60, 1}}));
}

// ---- Point dialog ----

class SkriptDialog : public KennlPunktdialog {
 public:
  KennlPunktfelder Zeigen(int index, const KennlPunktfelder& felder) override {
    indizes.push_back(index);
    gezeigt.push_back(felder);
    KennlPunktfelder r = antworten.front();
    antworten.pop_front();
    return r;
  }
  std::deque<KennlPunktfelder> antworten;
  std::vector<int> indizes;
  std::vector<KennlPunktfelder> gezeigt;
};

class KoordinatenTest : public KennlBearbeitenTest {
 protected:
  void SetUp() override {
    KennlBearbeitenTest::SetUp();
    RohEinheiten();
    sitzung.Punktdialog = &dialog;
    Setze({{0, 100}, {50, 100}, {100, 1}});
    sitzung.gKennl.XEnde = 399;
  }
  // Opens the dialog on point i and answers x, y.
  int Aendern(int i, double x, double y) {
    dialog.antworten.push_back({x, y});
    return KennlPunktKoordinatenAendern(sitzung, 100.0 * i, sitzung.gKennl.Kennl.Punkte[i].Y);
  }
  SkriptDialog dialog;
};

TEST_F(KoordinatenTest, ShowsThePointAndTakesBothCoordinates) {
  EXPECT_EQ(Aendern(1, 120, 60), 1);
  EXPECT_EQ(dialog.indizes.back(), 1);
  EXPECT_EQ(dialog.gezeigt.back().X, 100.0);
  EXPECT_EQ(dialog.gezeigt.back().Y, 50.0);
  EXPECT_EQ(Punkte(), (Pkte{{0, 120}, {60, 80}, {100, 1}}));
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 1);
}

TEST_F(KoordinatenTest, UnchangedFieldsChangeNothing) {
  EXPECT_EQ(Aendern(1, 100, 50), 0);
  ErwarteUnveraendert({{0, 100}, {50, 100}, {100, 1}});
}

TEST_F(KoordinatenTest, AFieldThatConvertsToNoNumberKeepsItsCoordinate) {
  EXPECT_EQ(Aendern(1, std::nan(""), 70), 1);
  EXPECT_EQ(Punkte(), (Pkte{{0, 100}, {70, 100}, {100, 1}}));
}

TEST_F(KoordinatenTest, MovingTheLastPointChangesOnlyTheLineBeforeIt) {
  EXPECT_EQ(Aendern(2, 300, 100), 1);
  EXPECT_EQ(Punkte(), (Pkte{{0, 100}, {50, 200}, {100, 1}}));
}

TEST_F(KoordinatenTest, FirstPointAlongXShowsBothMessages) {
  EXPECT_EQ(Aendern(0, 10, 0), 0);
  ASSERT_EQ(op.messages.size(), 2u);
  EXPECT_EQ(op.messages[0].title, "Fehler");
  EXPECT_EQ(op.messages[0].text, "Der erste Punkt kann nicht auf der Zeitachse verschoben werden.");
  EXPECT_EQ(op.messages[1].title, "Error");
  EXPECT_EQ(op.messages[1].text, "The first point cant't be moved along the time-axis.");
  ErwarteUnveraendert({{0, 100}, {50, 100}, {100, 1}});
}

struct Verweigerung {
  int punkt;
  double x, y;
  const char* titel;
  const char* text;
};

class VerweigerungTest : public KoordinatenTest,
                         public ::testing::WithParamInterface<Verweigerung> {};

TEST_P(VerweigerungTest, RefusedEntryChangesNothing) {
  const auto& v = GetParam();
  EXPECT_EQ(Aendern(v.punkt, v.x, v.y), 0);
  EXPECT_EQ(op.lastMessageTitle(), v.titel);
  EXPECT_EQ(op.lastMessageText(), v.text);
  ErwarteUnveraendert({{0, 100}, {50, 100}, {100, 1}});
}

INSTANTIATE_TEST_SUITE_P(
    Meldungen, VerweigerungTest,
    ::testing::Values(
        Verweigerung{1, 4096, 50, "Error", "X-coordinate is bigger then maximum."},
        Verweigerung{1, 0, 50, "Fehler",
                     "Die angegebene X-Koordinate ist zu klein \n(Der Punkt kann nicht auf "
                     "einen X-Wert kleiner oder gleich dem \ndes vorherigen Punktes verschoben "
                     "werden)."},
        Verweigerung{1, 200, 50, "Fehler",
                     "Die angegebene X-Koordinate ist zu groß \n(Der Punkt kann nicht auf einen "
                     "X-Wert größer oder gleich dem \ndes nächsten Punktes verschoben werden)."},
        // An accepted X does not go through when the Y is refused.
        Verweigerung{1, 120, -2, "Error", "Y value too small."},
        Verweigerung{1, 120, 4096, "Error", "Y value too big."}));

TEST_F(KoordinatenTest, ALineTooLongIsRefused) {
  Setze({{0, 100}, {50, 65535}, {100, 1}});
  EXPECT_EQ(Aendern(1, 99, 50), 0);
  EXPECT_EQ(op.lastMessageText(),
            "Moving the point would result in a stright line which would be too long");
}

}  // namespace
