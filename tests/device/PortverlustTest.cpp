// A port whose device vanishes and returns: every command tells the loss apart from a
// time-out at every step, the connection shows it at once, and the port is opened again
// with the same settings when it is back (the simulator's terminal closed and served
// afresh behind the same link; a link removed and put back).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Kommandos.h"
#include "device/Companel.h"
#include "device/MemorySerialService.h"
#include "device/Portverlust.h"
#include "device/Protokoll.h"
#include "device/Speichertransfer.h"
#include "support/ScriptedOperator.h"
#include "support_sim/SimPort.h"

namespace {

using namespace device;
using devicetest::Kommando;
using testsupport::SimPort;
using testsupport::SimPortOptions;
using Op = MemorySerialService::Op;
using Uhr = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct Schritt {
  const char* name;
  Op op;
};

class VerlustBeiJedemSchritt : public ::testing::TestWithParam<std::tuple<Kommando, Schritt>> {
 protected:
  static constexpr int kPort = 4;
  void SetUp() override {
    dienst.connect(kPort, [](std::string_view) { return std::string("\x06"); });
    v.DienstSetzen(&dienst);
    ASSERT_EQ(ZORFYD1_Open(v, kPort, 9600), 0);
    abo = v.LeitungAbonnieren([this](Leitungszustand z) { gehoert.push_back(z); });
  }
  MemorySerialService dienst;
  Verbindung v;
  std::vector<Leitungszustand> gehoert;
  Verbindung::LeitungsAbo abo;
};

TEST_P(VerlustBeiJedemSchritt, GivesItsOwnCodeAndAsksTheServiceNoMore) {
  const auto& [k, schritt] = GetParam();
  dienst.failNext(schritt.op, kGeraetWeg);
  EXPECT_EQ(k.aufruf(v, kPort, '1'), kFehlerPortWeg);
  EXPECT_EQ(v.Leitung(), Leitungszustand::Weg);
  EXPECT_EQ(v.VerschwundenerPort(), kPort);
  EXPECT_EQ(gehoert, std::vector<Leitungszustand>{Leitungszustand::Weg});
  EXPECT_EQ(v.LetzterFehler(), kFehlerPortWeg);
  EXPECT_FALSE(dienst.state(kPort).open);

  // No flush, write or read of a dead line: no time-out is waited out.
  const int schreibe = dienst.calls(Op::Write), lese = dienst.calls(Op::Read);
  EXPECT_EQ(k.aufruf(v, kPort, '1'), kFehlerPortWeg);
  EXPECT_EQ(dienst.calls(Op::Write), schreibe);
  EXPECT_EQ(dienst.calls(Op::Read), lese);
  EXPECT_EQ(gehoert.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    AlleKommandos, VerlustBeiJedemSchritt,
    ::testing::Combine(::testing::ValuesIn(devicetest::alleKommandos()),
                       ::testing::Values(Schritt{"FlushIn", Op::FlushIn},
                                         Schritt{"FlushOut", Op::FlushOut},
                                         Schritt{"Write", Op::Write}, Schritt{"Read", Op::Read})),
    [](const auto& info) {
      std::string n = std::get<0>(info.param).name + std::get<1>(info.param).name;
      std::erase_if(n, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
      return n;
    });

TEST(Portverlust, HasItsOwnTextInBothLanguagesAndLeavesTheCategoryAlone) {
  const int sprache = Fehlersprache();
  ZOR_Fehlersprache(2);
  EXPECT_EQ(std::string(ZOR_Fehlermeldung(kFehlerPortWeg)),
            "Serial port gone: the device was removed or the line hung up");
  EXPECT_EQ(std::string(ZOR_Fehlermeldung(-122232)), "COM-port not open");
  ZOR_Fehlersprache(1);
  EXPECT_NE(std::string(ZOR_Fehlermeldung(kFehlerPortWeg)).find("verschwunden"), std::string::npos);
  ZOR_Fehlersprache(sprache);
  EXPECT_EQ(FehlernummerText(kFehlerPortWeg), "122700");
}

// The simulator behind a link, opened as the COM settings window opens a port.
class SimVerlust : public ::testing::Test {
 protected:
  SimVerlust() : sim(optionen()) {}
  static SimPortOptions optionen() {
    SimPortOptions o;
    o.viaLink = true;
    o.addresses = "3";
    return o;
  }
  void SetUp() override {
    v().Port().offen = sim.port();
    v().Port().lport = sim.port();
    v().GeraeteadresseSetzen('3');
    ASSERT_EQ(ZORFYD1_Timeout(v(), sim.port(), 0.3), 0);
    hinweisAbo = v().HinweiseAbonnieren([this](const std::string& t) { hinweise.push_back(t); });
  }
  Verbindung& v() { return sim.verbindung(); }
  int IdLesen() {
    char id[64];
    return ZORFYD1_IDLesen(v(), sim.port(), v().Geraeteadresse(), id);
  }

  SimPort sim;
  std::vector<std::string> hinweise;
  Verbindung::HinweisAbo hinweisAbo;
};

TEST_F(SimVerlust, WhileIdleTheLossShowsWithinAnIntervalAndTheSamePortComesBackByItself) {
  ASSERT_EQ(IdLesen(), 0);
  // Scripted clock: one look at the port per interval.
  Wiederverbindung wieder(v());
  const Uhr::time_point t0{};
  EXPECT_FALSE(wieder.Takt(t0));
  sim.vanish();
  EXPECT_FALSE(wieder.Takt(t0 + 500ms));
  EXPECT_EQ(v().Leitung(), Leitungszustand::Da);
  EXPECT_FALSE(wieder.Takt(t0 + 1s));
  EXPECT_EQ(v().Leitung(), Leitungszustand::Weg);
  EXPECT_EQ(v().Companel().verbindungssymbol, -1);
  EXPECT_EQ(v().Port().offen, -1);
  EXPECT_EQ(v().AktuelleFehlerfelder().nummer, 122700);
  EXPECT_EQ(hinweise.back(), "COM 9 is gone; it is opened again when it returns.");
  EXPECT_EQ(IdLesen(), kFehlerPortWeg);

  EXPECT_FALSE(wieder.Takt(t0 + 2s));  // still gone: the attempt fails quietly
  EXPECT_EQ(v().LetzterFehler(), kFehlerPortWeg);
  sim.comeBack();
  EXPECT_FALSE(wieder.Takt(t0 + 2500ms));
  EXPECT_TRUE(wieder.Takt(t0 + 3s));

  EXPECT_EQ(v().Leitung(), Leitungszustand::Da);
  EXPECT_EQ(v().Port().offen, sim.port());
  EXPECT_EQ(v().Companel().verbindungssymbol, 0);  // port 9: above COM8
  EXPECT_EQ(v().LetzterFehler(), 0);
  EXPECT_EQ(v().Einstellung().zeitgrenze, 0.3);
  ASSERT_FALSE(hinweise.empty());
  EXPECT_EQ(hinweise.back(), "COM 9 is back: reopened at 9600 baud, device address 3.");
  EXPECT_EQ(IdLesen(), 0);
  EXPECT_FALSE(wieder.Takt(t0 + 5s));
  EXPECT_EQ(v().Leitung(), Leitungszustand::Da);
}

TEST_F(SimVerlust, ACommandFindsTheLossAtOnceNotAfterItsTimeOut) {
  sim.vanish();
  const auto anfang = Uhr::now();
  EXPECT_EQ(IdLesen(), kFehlerPortWeg);
  EXPECT_LT(Uhr::now() - anfang, 5s);  // a hang-up, not read time-outs and retries
  EXPECT_EQ(v().Leitung(), Leitungszustand::Weg);
}

TEST_F(SimVerlust, ARemovedPathFailsTheReopenUntilItIsThereAgain) {
  ASSERT_EQ(IdLesen(), 0);
  sim.vanish();
  ASSERT_EQ(IdLesen(), kFehlerPortWeg);
  sim.comeBack();
  const auto ziel = std::filesystem::read_symlink(sim.path());
  std::filesystem::remove(sim.path());
  EXPECT_NE(PortWiederOeffnen(v()), 0);
  EXPECT_EQ(v().Leitung(), Leitungszustand::Weg);
  EXPECT_EQ(v().AktuelleFehlerfelder().nummer, 122700);
  std::filesystem::create_symlink(ziel, sim.path());
  EXPECT_EQ(PortWiederOeffnen(v()), 0);
  EXPECT_EQ(IdLesen(), 0);
}

TEST_F(SimVerlust, TheOperatorsClickOnTheSymbolReopensItToo) {
  sim.vanish();
  ASSERT_EQ(IdLesen(), kFehlerPortWeg);
  sim.comeBack();
  v().Companel().portliste = {{"COM 9", 9}};
  ComPictureKlick(v());
  EXPECT_EQ(v().Leitung(), Leitungszustand::Da);
  EXPECT_EQ(v().LetzterFehler(), 0);
  EXPECT_EQ(IdLesen(), 0);
}

// Makes the port vanish when the progress box shows a given share.
class VerschwindenBei : public testsupport::ScriptedOperator {
 public:
  VerschwindenBei(SimPort& sim, int prozent) : sim_(sim), prozent_(prozent) {}
  void progressSet(int percent) override {
    ScriptedOperator::progressSet(percent);
    if (percent >= prozent_ && !weg_) {
      weg_ = true;
      sim_.vanish();
    }
  }

 private:
  SimPort& sim_;
  int prozent_;
  bool weg_ = false;
};

TEST_F(SimVerlust, AMemoryWriteStopsAtTheNextBlockAndClosesItsProgressBox) {
  std::vector<std::uint8_t> daten(4096, 0x5A);
  VerschwindenBei bediener(sim, 25);
  const auto anfang = Uhr::now();
  EXPECT_EQ(SpeicherBlockweiseSenden(v(), sim.port(), '3', 5, 0, 4096, daten.data(),
                                     Blockteilung::AbAnfang, "Send data"),
            kFehlerPortWeg);
  EXPECT_LT(Uhr::now() - anfang, 5s);
  EXPECT_EQ(bediener.progressOpenCount, 0);
  EXPECT_EQ(bediener.progressValues.back(), 25);
  EXPECT_EQ(v().Leitung(), Leitungszustand::Weg);
}

}  // namespace
