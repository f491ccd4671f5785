// The point table's rows, cell edits and arrow-key nudges: the same operations as the
// point and line dialogs, one undo step per change, and a message with nothing changed
// for every text or value that is refused.
#include <gtest/gtest.h>

#include <cmath>

#include "Kurvenfixture.h"
#include "curves/edit/Punktzeilen.h"
#include "curves/model/Ausgangseinheit.h"

namespace {

using curves::Kurvenpunkt;
using curves::Punktspalte;

// 0..40 ms on 10 ms units, 40..43 ms on 1 ms units, then a 1 ms closing line.
const std::vector<Kurvenpunkt> kPunkte = {{0, 4, 4, {}}, {2000, 3, 1, {}}, {1000, 1, 1, {}}};

class Punktzeilen : public testsupport::Kurvenfixture {
 protected:
  void SetUp() override {
    Kurvenfixture::SetUp();
    Setze(kPunkte);
  }
};

TEST_F(Punktzeilen, RowsShowTimeLengthBaseValueAndSlope) {
  std::vector<double> start;
  curves::StartzeitenBerechnen(sitzung.gKurven.Kurven[0], start);
  EXPECT_EQ(start, (std::vector<double>{0, 40000, 43000, 44000}));
  const auto z = curves::PunktzeileLesen(sitzung, sitzung.gKurven.Kurven[0], 0, 1, start[1]);
  EXPECT_EQ(curves::PunktzelleText(z, Punktspalte::Start), "40 ms");
  EXPECT_EQ(curves::PunktzelleText(z, Punktspalte::Zeitbasis), "1ms");
  EXPECT_EQ(z.Codes, 2000);
  // From 2000 down to 1000 codes in 3 ms.
  const double erwartet =
      (curves::RohInEinheit(sitzung, 0, 1000) - curves::RohInEinheit(sitzung, 0, 2000)) / 0.003;
  EXPECT_NEAR(z.Steigung, erwartet, 1e-9);
  // The closing line runs to the first point.
  const auto s = curves::PunktzeileLesen(sitzung, sitzung.gKurven.Kurven[0], 0, 2, start[2]);
  EXPECT_NEAR(s.Steigung, -curves::RohInEinheit(sitzung, 0, 1000) / 0.001, 1e-9);
}

struct Zellfall {
  const char* name;
  int punkt;
  Punktspalte spalte;
  const char* text;
  std::vector<Kurvenpunkt> erwartet;
};

class Zellen : public Punktzeilen, public ::testing::WithParamInterface<Zellfall> {};

TEST_P(Zellen, AnEditIsOneUndoStep) {
  const Zellfall& f = GetParam();
  EXPECT_EQ(curves::PunktzelleSetzen(sitzung, f.punkt, f.spalte, f.text), 1);
  ASSERT_EQ(Punkte().size(), f.erwartet.size());
  for (std::size_t i = 0; i < f.erwartet.size(); ++i) {
    EXPECT_EQ(Punkte()[i].Y, f.erwartet[i].Y) << i;
    EXPECT_EQ(Punkte()[i].Laenge, f.erwartet[i].Laenge) << i;
    EXPECT_EQ(Punkte()[i].Zeitbasis, f.erwartet[i].Zeitbasis) << i;
  }
  EXPECT_EQ(Undos(), 1);
  EXPECT_TRUE(bediener.messages.empty()) << bediener.lastMessageText();
}

INSTANTIATE_TEST_SUITE_P(
    Spalten, Zellen,
    ::testing::Values(Zellfall{"Start",
                               2,
                               Punktspalte::Start,
                               "42ms",
                               {{0, 4, 4, {}}, {2000, 2, 1, {}}, {1000, 1, 1, {}}}},
                      Zellfall{"Length",
                               0,
                               Punktspalte::Laenge,
                               " 6 ",
                               {{0, 6, 4, {}}, {2000, 3, 1, {}}, {1000, 1, 1, {}}}},
                      Zellfall{"Timebase",
                               0,
                               Punktspalte::Zeitbasis,
                               "1ms",
                               {{0, 40, 1, {}}, {2000, 3, 1, {}}, {1000, 1, 1, {}}}},
                      Zellfall{"Codes",
                               1,
                               Punktspalte::Codes,
                               "4095",
                               {{0, 4, 4, {}}, {4095, 3, 1, {}}, {1000, 1, 1, {}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Punktzeilen, AValueInTheOutputsUnitIsRounded) {
  const double volt = curves::RohInEinheit(sitzung, 0, 3000.3);
  EXPECT_EQ(curves::PunktzelleSetzen(sitzung, 1, Punktspalte::Wert, std::to_string(volt)), 1);
  EXPECT_EQ(Punkte()[1].Y, 3000);
}

struct Ablehnung {
  const char* name;
  int punkt;
  Punktspalte spalte;
  const char* text;
  const char* meldung;  // part of the message shown
};

class Ablehnungen : public Punktzeilen, public ::testing::WithParamInterface<Ablehnung> {};

TEST_P(Ablehnungen, ShowAMessageAndChangeNothing) {
  const Ablehnung& f = GetParam();
  EXPECT_EQ(curves::PunktzelleSetzen(sitzung, f.punkt, f.spalte, f.text), 0);
  ASSERT_EQ(bediener.messages.size(), 1u);
  EXPECT_NE(bediener.lastMessageText().find(f.meldung), std::string::npos)
      << bediener.lastMessageText();
  ErwarteUnveraendert(kPunkte);
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, Ablehnungen,
    ::testing::Values(
        Ablehnung{"TimeWithoutUnit", 1, Punktspalte::Start, "30", "'30'"},
        Ablehnung{"TimeOffTheGrid", 1, Punktspalte::Start, "35ms", "does not fit into the time"},
        Ablehnung{"FirstPointInTime", 0, Punktspalte::Start, "10ms", "first point"},
        Ablehnung{"LengthNotWhole", 0, Punktspalte::Laenge, "2.5", "whole number"},
        Ablehnung{"LengthZero", 0, Punktspalte::Laenge, "0", "too small"},
        Ablehnung{"ClosingLineLength", 2, Punktspalte::Laenge, "5", "closing line"},
        Ablehnung{"UnknownTimebase", 0, Punktspalte::Zeitbasis, "3ms", "not a time base"},
        Ablehnung{"TimebaseNotDividing", 1, Punktspalte::Zeitbasis, "10ms", "can not be"},
        Ablehnung{"CodesTooBig", 1, Punktspalte::Codes, "4096", "too big"},
        Ablehnung{"CodesNotANumber", 1, Punktspalte::Codes, "abc", "'abc'"},
        Ablehnung{"ValueTooSmall", 1, Punktspalte::Wert, "-1", "too small"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Punktzeilen, TheSlopeCannotBeEdited) {
  EXPECT_EQ(curves::PunktzelleSetzen(sitzung, 1, Punktspalte::Steigung, "5"), 0);
  ErwarteUnveraendert(kPunkte);
}

TEST_F(Punktzeilen, ValueNudgesOneCodeOrOneGridStep) {
  EXPECT_EQ(curves::PunktWertSchieben(sitzung, 1, 1), 1);
  EXPECT_EQ(Punkte()[1].Y, 2001);
  // A 1 V grid: from 5 V (a whole code next to it) one grid line up, then two down.
  sitzung.gKurven.YRaster[0] = 1.0;
  Punkte()[1].Y = 2048;
  EXPECT_EQ(curves::PunktWertSchieben(sitzung, 1, 1), 1);
  EXPECT_NEAR(curves::RohInEinheit(sitzung, 0, Punkte()[1].Y), 6.0, 0.002);
  EXPECT_EQ(curves::PunktWertSchieben(sitzung, 1, -1), 1);
  EXPECT_EQ(curves::PunktWertSchieben(sitzung, 1, -1), 1);
  EXPECT_NEAR(curves::RohInEinheit(sitzung, 0, Punkte()[1].Y), 4.0, 0.002);
  EXPECT_EQ(Undos(), 4);
}

TEST_F(Punktzeilen, TimeNudgesOneUnitOfTheCoarserLine) {
  EXPECT_EQ(curves::PunktZeitSchieben(sitzung, 1, -1), 1);
  EXPECT_EQ(Punkte()[0].Laenge, 3);
  EXPECT_EQ(Punkte()[1].Laenge, 13);
  EXPECT_EQ(curves::PunktZeitSchieben(sitzung, 2, 1), 1);
  EXPECT_EQ(Punkte()[1].Laenge, 14);
}

TEST_F(Punktzeilen, NudgesPastTheLimitsAreRefused) {
  Setze({{0, 4, 4, {}}, {4095, 3, 1, {}}, {1000, 1, 1, {}}});
  const auto vorher = Punkte();
  EXPECT_EQ(curves::PunktWertSchieben(sitzung, 1, 1), 0);
  EXPECT_EQ(bediener.lastMessageText(), "Y value too big.");
  EXPECT_EQ(curves::PunktZeitSchieben(sitzung, 0, -1), 0);
  EXPECT_EQ(curves::PunktZeitSchieben(sitzung, 1, 1), 0);  // 40 -> 50 ms: past the next point
  EXPECT_EQ(bediener.messages.size(), 3u);
  ErwarteUnveraendert(vorher);
}

}  // namespace
