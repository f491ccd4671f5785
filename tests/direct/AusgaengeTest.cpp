// Setting the outputs: the limit, the knob's range, zeroing, and the failures.
#include <gtest/gtest.h>

#include "Direktfixture.h"
#include "direct/Abfrage.h"
#include "direct/Ausgaenge.h"

namespace directtest {
namespace {

using namespace direct;

struct Ausgangsfall {
  double skalaMin;  // physical value at 0 V (output 2 runs 0..10 V)
  double skalaMax;  // ... at 10 V
  double wert;      // typed into AUSGANG2
  double grenze;    // BEGRENZUNG2
  double knopf;     // AUSGANG2 afterwards
  double volt;      // what the device got
};

class Ausgangsbasis : public Direkt {
 protected:
  void Skalieren(double skalaMin, double skalaMax) {
    sitzung.Konfig.gKonfig.outskalamin[1] = skalaMin;
    sitzung.Konfig.gKonfig.outskalamax[1] = skalaMax;
    Direktpanel_SkaliereElemente(sitzung);
  }
  double Volt() { return sim.engine().device('1').outputs[1]; }
};

class Ausgaenge : public Ausgangsbasis, public testing::WithParamInterface<Ausgangsfall> {};

TEST_P(Ausgaenge, TheLimitAndTheKnobsRangeHoldTheValue) {
  const Ausgangsfall& f = GetParam();
  Skalieren(f.skalaMin, f.skalaMax);
  BegrenzungSetzen(sitzung, 1, f.grenze);
  EXPECT_EQ(0, Ausgang_Callback(sitzung, sim.verbindung(), 1, f.wert));
  EXPECT_DOUBLE_EQ(f.knopf, Direktpanel(sitzung).ausgang[1].wert);
  EXPECT_DOUBLE_EQ(f.volt, Volt());
  EXPECT_NEAR(f.volt * 10.0, Messwerte(sitzung).ausgangProzent[1], 1e-9);
  EXPECT_EQ(0, Fehlercode());
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Ausgaenge,
    testing::Values(Ausgangsfall{0, 10, 7, 5, 5, 5},        // above the limit: the limit
                    Ausgangsfall{0, 10, 7, 20, 7, 7},       // below it: the value
                    Ausgangsfall{0, 10, 12, 20, 10, 10},    // a limit beyond the range
                    Ausgangsfall{0, 10, -3, 20, 0, 0},      // below the range
                    Ausgangsfall{0, 3, 3, 3, 3, 10},        // the top is not rounded past 10 V
                    Ausgangsfall{10, 0, 2.5, 20, 2.5, 7.5}  // a falling scale
                    ));

struct Nullfall {
  double skalaMin;
  double skalaMax;
  double knopf;
  double volt;
};

class AufNull : public Ausgangsbasis, public testing::WithParamInterface<Nullfall> {};

// The physical zero, or the end of the range nearest to it; the limit does not apply.
TEST_P(AufNull, SendsThePhysicalZero) {
  const Nullfall& f = GetParam();
  Skalieren(f.skalaMin, f.skalaMax);
  BegrenzungSetzen(sitzung, 1, -100.0);
  sim.engine().withDevice('1', [](sim::Device& d) { d.outputs = {1, 1, 1, 1}; });
  EXPECT_EQ(0, AusgaengeAufNull_Callback(sitzung, sim.verbindung()));
  EXPECT_DOUBLE_EQ(f.knopf, Direktpanel(sitzung).ausgang[1].wert);
  EXPECT_DOUBLE_EQ(f.volt, Volt());
  EXPECT_DOUBLE_EQ(0.0, sim.engine().device('1').outputs[0]);
}

INSTANTIATE_TEST_SUITE_P(Faelle, AufNull,
                         testing::Values(Nullfall{2, 10, 2, 0}, Nullfall{-5, 5, 0, 5},
                                         Nullfall{-10, -2, -2, 10}));

TEST_F(Direkt, WithoutAPortNoOutputIsSet) {
  sim.verbindung().Port().offen = -1;
  EXPECT_EQ(kFehlerAusgangKeinPort, Ausgang_Callback(sitzung, sim.verbindung(), 0, 5.0));
  EXPECT_EQ(kFehlerAusgangKeinPort, Fehlercode());
  sim.verbindung().ComFehlerSetzen(0);
  EXPECT_EQ(kFehlerAusgangKeinPort, AusgaengeAufNull_Callback(sitzung, sim.verbindung()));
  EXPECT_EQ(kFehlerAusgangKeinPort, Fehlercode());
}

TEST_F(Direkt, ARefusedOutputDoesNotKeepTheOthersFromZero) {
  sim.engine().withDevice('1', [](sim::Device& d) { d.outputs = {1, 1, 1, 1}; });
  sim.engine().inject({sim::FaultKind::Nak, "V2W"});
  EXPECT_EQ(-402065, AusgaengeAufNull_Callback(sitzung, sim.verbindung()));
  EXPECT_EQ(-402065, Fehlercode());
  EXPECT_EQ((std::array<double, 4>{0, 1, 0, 0}), sim.engine().device('1').outputs);
}

TEST_F(Direkt, ARefusedOutputKeepsPollingFromStarting) {
  sim.engine().inject({sim::FaultKind::Can, "V3W"});
  EXPECT_EQ(-405066, Abfragen_Callback(sitzung, sim.verbindung(), true));
  EXPECT_EQ(-405066, Fehlercode());
  EXPECT_FALSE(Direktpanel(sitzung).timerAn);
  EXPECT_FALSE(Direktpanel(sitzung).abfragen);
  // The next change of a knob clears the error fields.
  EXPECT_EQ(0, Ausgang_Callback(sitzung, sim.verbindung(), 0, 1.0));
  EXPECT_EQ(0, Fehlercode());
}

}  // namespace
}  // namespace directtest
