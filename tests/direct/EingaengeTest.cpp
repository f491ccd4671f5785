// Reading the inputs: minima and maxima with their reset, the role of input 4, and every
// failure of a polling cycle against the simulator.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Direktfixture.h"
#include "direct/Abfrage.h"
#include "direct/Eingaenge.h"
#include "direct/Protokolldatei.h"

namespace directtest {
namespace {

using namespace direct;

class Eingaenge : public Direkt {
 protected:
  // Input 1 reads `volt`; returns what MIN1 and MAX1 show afterwards.
  std::pair<double, double> Lesen1(double volt) {
    sim.engine().setInput('1', 1, volt);
    EXPECT_EQ(0, EingangLesenUndAnzeigen(sitzung, sim.verbindung(), 0));
    return {Direktpanel(sitzung).minimum[0].wert, Direktpanel(sitzung).maximum[0].wert};
  }
};

TEST_F(Eingaenge, MinimumAndMaximumChangeOnlyStrictlyBeyondTheStoredOnes) {
  sitzung.Konfig.gKonfig.inskalamax[0] = 100.0;  // 0..10 V shows as 0..100
  EXPECT_EQ(std::make_pair(50.0, 50.0), Lesen1(5.0));
  EXPECT_EQ(std::make_pair(50.0, 70.0), Lesen1(7.0));
  EXPECT_EQ(std::make_pair(30.0, 70.0), Lesen1(3.0));
  EXPECT_DOUBLE_EQ(30.0, Direktpanel(sitzung).eingang[0].wert);
  EXPECT_DOUBLE_EQ(30.0, Messwerte(sitzung).eingangProzent[0]);
  EXPECT_DOUBLE_EQ(3.0, Messwerte(sitzung).eingangMin[0]);  // kept in volts

  // After a reset the bounds are vinmax and 0 V: 0 V is not above 0 V, so MAX1 keeps
  // showing its old value while its stored maximum is 0.
  MinMaxReset_Callback(sitzung);
  EXPECT_EQ(std::make_pair(0.0, 70.0), Lesen1(0.0));
  EXPECT_DOUBLE_EQ(0.0, Messwerte(sitzung).eingangMax[0]);
  EXPECT_DOUBLE_EQ(10.0, Messwerte(sitzung).eingangMin[1]);  // every input was reset
  EXPECT_EQ(std::make_pair(0.0, 20.0), Lesen1(2.0));
}

TEST_F(Eingaenge, AsStartStopInputFourIsNotReadAndDrawnAtZeroAfterItsFirstPoint) {
  sim.engine().withDevice('1', [](sim::Device& d) { d.mode = 0x03; });
  EingaengeSetzen(1.0, 2.0, 3.0, 4.0);
  MesswerteBearbeiten(sitzung).eingangProzent[3] = 40.0;  // from an earlier analog run
  ASSERT_EQ(0, AbfrageStarten(sitzung, sim.verbindung()));
  EXPECT_TRUE(Direktpanel(sitzung).eingang4Gedimmt);
  EXPECT_EQ(0, Direktpanel(sitzung).plot[3]);
  EXPECT_TRUE(Direktpanel(sitzung).spurSichtbar[3]);
  sim.engine().clearFrames();
  ASSERT_EQ(0, DirektTimer_Callback(sitzung, sim.verbindung()));
  ASSERT_EQ(0, DirektTimer_Callback(sitzung, sim.verbindung()));
  EXPECT_EQ(
      (std::vector<std::string>{"#1V1R\r", "#1V2R\r", "#1V3R\r", "#1V1R\r", "#1V2R\r", "#1V3R\r"}),
      sim.engine().frames());
  ASSERT_EQ(2u, punkte.size());
  EXPECT_EQ((std::array<double, 4>{10.0, 20.0, 30.0, 40.0}), punkte[0]);
  EXPECT_EQ((std::array<double, 4>{10.0, 20.0, 30.0, 0.0}), punkte[1]);

  // Bit 0 clear at the next start: input 4 is analog again.
  AbfrageBeenden(sitzung);
  sim.engine().withDevice('1', [](sim::Device& d) { d.mode = 0x02; });
  ASSERT_EQ(0, AbfrageStarten(sitzung, sim.verbindung()));
  EXPECT_FALSE(Direktpanel(sitzung).eingang4Gedimmt);
  ASSERT_EQ(0, DirektTimer_Callback(sitzung, sim.verbindung()));
  EXPECT_EQ((std::array<double, 4>{10.0, 20.0, 30.0, 40.0}), punkte.back());
}

struct Lesefehler {
  sim::FaultKind art;
  const char* befehl;
  int code;
};

class Abfragefehler : public Eingaenge, public testing::WithParamInterface<Lesefehler> {};

// The first failed reading ends polling, its text closes the log, the displays keep
// their values.
TEST_P(Abfragefehler, EndPollingWithTheTextInTheLog) {
  const std::string pfad = ordner.file("log.txt");
  EingaengeSetzen(1.0, 2.0, 3.0, 4.0);
  DateispeichernSetzen(sitzung, true);
  bedienung.answerFile(pfad);
  ASSERT_EQ(0, Abfragen_Callback(sitzung, sim.verbindung(), true));
  ASSERT_EQ(0, DirektTimer_Callback(sitzung, sim.verbindung()));
  EingaengeSetzen(5.0, 6.0, 7.0, 8.0);
  sim.engine().inject({GetParam().art, GetParam().befehl});
  EXPECT_EQ(GetParam().code, DirektTimer_Callback(sitzung, sim.verbindung()));
  EXPECT_EQ(GetParam().code, Fehlercode());
  EXPECT_FALSE(Direktpanel(sitzung).timerAn);
  EXPECT_FALSE(Direktpanel(sitzung).abfragen);
  EXPECT_FALSE(ProtokollOffen(sitzung));
  EXPECT_DOUBLE_EQ(4.0, Direktpanel(sitzung).eingang[3].wert);
  std::stringstream inhalt;
  inhalt << std::ifstream(pfad).rdbuf();
  const std::string ende = std::string("\nError - quit data transfer\n") +
                           device::ZOR_Fehlermeldung(GetParam().code) + "\n";
  const std::string text = inhalt.str();
  ASSERT_GE(text.size(), ende.size());
  EXPECT_EQ(ende, text.substr(text.size() - ende.size()));
}

INSTANTIATE_TEST_SUITE_P(Faelle, Abfragefehler,
                         testing::Values(Lesefehler{sim::FaultKind::Nak, "V1R", -402049},
                                         Lesefehler{sim::FaultKind::Can, "V2R", -405050},
                                         Lesefehler{sim::FaultKind::Silence, "V3R", -403051},
                                         Lesefehler{sim::FaultKind::WrongEcho, "V4R", -404054}));

TEST_F(Eingaenge, WithoutAPortACycleFailsAndStopsPolling) {
  ASSERT_EQ(0, Abfragen_Callback(sitzung, sim.verbindung(), true));
  sim.verbindung().Port().offen = -1;
  EXPECT_EQ(kFehlerEingangKeinPort, DirektTimer_Callback(sitzung, sim.verbindung()));
  EXPECT_EQ(kFehlerEingangKeinPort, Fehlercode());
  EXPECT_FALSE(Direktpanel(sitzung).timerAn);
}

TEST_F(Eingaenge, WithoutAPortPollingDoesNotStart) {
  sim.verbindung().Port().offen = -1;
  EXPECT_EQ(kFehlerModusKeinPort, AbfrageStarten(sitzung, sim.verbindung()));
  EXPECT_EQ(kFehlerModusKeinPort, Fehlercode());
  EXPECT_FALSE(uhr.timerAn);
}

// The mode cannot be read: no polling, though ABFRAGEN stays on and the log just opened
// stays open until polling is next stopped.
TEST_F(Eingaenge, AFailedModeReadLeavesTheLogOpen) {
  DateispeichernSetzen(sitzung, true);
  bedienung.answerFile(ordner.file("log.txt"));
  sim.engine().inject({sim::FaultKind::Nak, "M1R"});
  EXPECT_EQ(-402154, Abfragen_Callback(sitzung, sim.verbindung(), true));
  EXPECT_EQ(-402154, Fehlercode());
  EXPECT_FALSE(Direktpanel(sitzung).timerAn);
  EXPECT_TRUE(Direktpanel(sitzung).abfragen);
  EXPECT_TRUE(ProtokollOffen(sitzung));
  EXPECT_TRUE(Direktpanel(sitzung).dateispeichernLed);
  AbfrageBeenden(sitzung);
  EXPECT_FALSE(Direktpanel(sitzung).dateispeichernLed);
}

}  // namespace
}  // namespace directtest
