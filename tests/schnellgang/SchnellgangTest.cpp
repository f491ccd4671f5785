// Fast transfers, their ways back to 9600 baud, the cancel and the writes of changed blocks,
// against the simulated WUN-2 on a real pseudo-terminal whose devices hear only a host at
// their own line rate.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "characteristic/transfer/Kennlinienbild.h"
#include "characteristic/transfer/Kennlinientransfer.h"
#include "config/Konfiguration.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/transfer/Kurvenbild.h"
#include "curves/transfer/Kurventransfer.h"
#include "device/Companel.h"
#include "device/Fehler.h"
#include "device/Protokoll.h"
#include "device/Schnellgang.h"
#include "device/Speichertransfer.h"
#include "support/KennlFixture.h"
#include "support/ScriptedOperator.h"
#include "support_sim/SimPort.h"

namespace {

using curves::Kurvenpunkt;

Kurvenpunkt P(int y, int laenge, int zeitbasis) {
  return Kurvenpunkt{y, laenge, static_cast<std::int8_t>(zeitbasis), {0, 0, 0}};
}

// The frames the devices received, without CR; a memory frame cut after its count.
std::vector<std::string> Frames(sim::Engine& engine) {
  std::vector<std::string> r;
  for (auto f : engine.frames()) {
    f = f.substr(0, f.find('\r'));
    if (f.find("BDW") == 2 || f.find("BDR") == 2) f = f.substr(0, 14);
    r.push_back(f);
  }
  return r;
}

long Rate(sim::Engine& engine, char adresse = '1') {
  return engine.device(adresse).baudRate;
}

// A serial service that cannot run a port at 38400 baud, otherwise the simulator's.
class Ohne38400 final : public device::SerialService {
 public:
  explicit Ohne38400(device::SerialService& s) : s_(s) {}
  int OpenComConfig(int port, const std::string& name, long baud, device::Parity p, int d, int st,
                    int iq, int oq) override {
    if (baud == 38400) return -1;
    return s_.OpenComConfig(port, name, baud, p, d, st, iq, oq);
  }
  int CloseCom(int port) override { return s_.CloseCom(port); }
  int SetComTime(int port, double t) override { return s_.SetComTime(port, t); }
  int ComWrt(int port, const char* b, int n) override { return s_.ComWrt(port, b, n); }
  int ComRdByte(int port) override { return s_.ComRdByte(port); }
  int GetOutQLen(int port) override { return s_.GetOutQLen(port); }
  int FlushInQ(int port) override { return s_.FlushInQ(port); }
  int FlushOutQ(int port) override { return s_.FlushOutQ(port); }

 private:
  device::SerialService& s_;
};

testsupport::SimPortOptions MitRaten() {
  testsupport::SimPortOptions o;
  o.lineRates = true;
  return o;
}

class Schnellgang : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(0, curves::KurvenModellInitialisieren(sitzung));
    config::KonfigurationStandardwerte(sitzung.Konfig);
    device::ZOR_Fehlersprache(2);
    v().Port().offen = sim.port();
    hinweisAbo = v().HinweiseAbonnieren([this](const std::string& t) { hinweise.push_back(t); });
    // 200 samples: seven blocks from 4096.
    sitzung.gKurven.Kurven[0].Punkte = {P(0, 150, 2), P(4000, 50, 9)};
  }
  void TearDown() override { curves::KurvenModellFreigeben(sitzung); }

  device::Verbindung& v() { return sim.verbindung(); }
  std::vector<std::uint8_t> Bild() {
    std::vector<std::uint8_t> bild;
    int ende = 0;
    EXPECT_EQ(0, curves::KurvenbildErzeugen(sitzung, bild, ende));
    return {bild.begin() + 4096, bild.begin() + ende};
  }
  std::vector<std::uint8_t> Geraet(std::size_t laenge, int typ = 4) {
    const auto d = sim.engine().device('1');
    const auto& m = typ == 5 ? d.memory5 : d.memory4;
    return {m.begin() + 4096, m.begin() + 4096 + static_cast<long>(laenge)};
  }

  testsupport::SimPort sim{MitRaten()};
  curves::Kurvensitzung sitzung;
  testsupport::ScriptedOperator op;
  std::vector<std::string> hinweise;
  device::Verbindung::HinweisAbo hinweisAbo;
};

TEST_F(Schnellgang, WriteSwitchesTo38400ChecksTransfersAndComesBack) {
  v().Uebertragung().schnell = true;
  ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherDither));
  const auto bild = Bild();
  EXPECT_EQ(bild, Geraet(bild.size(), 5));
  std::vector<std::string> erwartet = {"#1BRW38400", "#1IDR"};
  for (int b = 0; b < 7; ++b) erwartet.push_back(Frames(sim.engine())[2 + b]);
  erwartet.insert(erwartet.end(), {"#1BRW9600", "#1IDR"});
  EXPECT_EQ(erwartet, Frames(sim.engine()));
  EXPECT_EQ("#1BDW510000040", Frames(sim.engine())[2]);
  EXPECT_EQ(9600, Rate(sim.engine()));
  EXPECT_TRUE(hinweise.empty());
  // The port is at 9600 again: a plain command gets its answer.
  char id[64] = {};
  EXPECT_EQ(0, device::ZORFYD1_IDLesen(v(), sim.port(), '1', id));
}

TEST_F(Schnellgang, ReadRunsFastAndTakesTheCurveOver) {
  ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  const auto bild = Bild();
  ASSERT_EQ(0, curves::KurvenNeu(sitzung));
  sim.engine().clearFrames();
  v().Uebertragung().schnell = true;
  ASSERT_EQ(0, curves::KurvenLesen(sitzung, v(), curves::kSpeicherKurven));
  EXPECT_EQ(bild, Bild());
  const auto frames = Frames(sim.engine());
  ASSERT_GE(frames.size(), 4u);
  EXPECT_EQ("#1BRW38400", frames.front());
  EXPECT_EQ("#1BDR410000020", frames[2]);
  EXPECT_EQ("#1BRW9600", frames[frames.size() - 2]);
  EXPECT_EQ(9600, Rate(sim.engine()));
}

TEST_F(Schnellgang, OffLeavesTheWireAsItWas) {
  ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  const auto frames = Frames(sim.engine());
  EXPECT_EQ(7u, frames.size());
  EXPECT_TRUE(std::all_of(frames.begin(), frames.end(),
                          [](const std::string& f) { return f.find("#1BDW4") == 0; }));
}

// Every way a switch to 38400 can fail ends in a transfer at 9600 with one notice.
struct Rueckfall {
  const char* name;
  void (*stoeren)(sim::Engine&);
  bool portOhne38400;
  const char* hinweis;
};

class SchnellRueckfall : public Schnellgang, public ::testing::WithParamInterface<Rueckfall> {};

TEST_P(SchnellRueckfall, TransfersAt9600WithOneNotice) {
  Ohne38400 sperre(sim.service());
  if (GetParam().portOhne38400) v().DienstSetzen(&sperre);
  if (GetParam().stoeren) GetParam().stoeren(sim.engine());
  v().Uebertragung().schnell = true;
  ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  const auto bild = Bild();
  EXPECT_EQ(bild, Geraet(bild.size()));
  EXPECT_EQ(9600, Rate(sim.engine()));
  ASSERT_EQ(1u, hinweise.size());
  EXPECT_NE(std::string::npos, hinweise[0].find(GetParam().hinweis)) << hinweise[0];
  EXPECT_NE(std::string::npos, hinweise[0].find("Transferring at 9600 baud.")) << hinweise[0];
  EXPECT_FALSE(v().AktuelleFehlerfelder().led);
  v().DienstSetzen(&sim.service());
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, SchnellRueckfall,
    ::testing::Values(Rueckfall{"Refused",
                                [](sim::Engine& e) {
                                  e.withDevice('1', [](sim::Device& d) { d.maxBaud = 19200; });
                                },
                                false, "refused 38400 baud"},
                      Rueckfall{"RefusedWithCan",
                                [](sim::Engine& e) {
                                  e.inject({sim::FaultKind::Can, "BRW"});
                                },
                                false, "refused 38400 baud"},
                      Rueckfall{"SilentAtTheNewRate",
                                [](sim::Engine& e) {
                                  e.inject({sim::FaultKind::Silence, "IDR"});
                                },
                                false, "did not answer at 38400 baud"},
                      Rueckfall{"RateCommandUnanswered",
                                [](sim::Engine& e) {
                                  e.inject({sim::FaultKind::Silence, "BRW"});
                                },
                                false, "did not answer the change"},
                      Rueckfall{"PortCannotRun38400", nullptr, true, "port cannot run at 38400"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Schnellgang, FailureMidTransferReturnsTheDeviceBeforeTheErrorShows) {
  v().Uebertragung().schnell = true;
  long rateBeimFehler = 0;
  auto abo = v().FehlerfelderAbonnieren([&](const device::Fehlerfelder& f) {
    if (f.led) rateBeimFehler = Rate(sim.engine());
  });
  sim.engine().inject({sim::FaultKind::Nak, "BDW", 0, 3});
  EXPECT_EQ(-402127, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  sim.engine().clearFaults();
  EXPECT_EQ(402127, v().AktuelleFehlerfelder().nummer);
  EXPECT_EQ(9600, rateBeimFehler);
  const auto frames = Frames(sim.engine());
  EXPECT_EQ((std::vector<std::string>{"#1BRW9600", "#1IDR"}),
            std::vector<std::string>(frames.end() - 2, frames.end()));
}

TEST_F(Schnellgang, CancelStopsBetweenBlocksAndReturnsTheLine) {
  v().Uebertragung().schnell = true;
  op.cancelAfterSets = 2;
  EXPECT_EQ(device::kFehlerAbgebrochen,
            curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  EXPECT_EQ(4601, v().AktuelleFehlerfelder().nummer);
  EXPECT_EQ("Aborted by user", v().AktuelleFehlerfelder().text);
  EXPECT_EQ(9600, Rate(sim.engine()));
  const auto bild = Bild();
  EXPECT_EQ(std::vector<std::uint8_t>(bild.begin(), bild.begin() + 128), Geraet(128));
  EXPECT_EQ(0xFF, sim.engine().device('1').memory4[4096 + 128]);
  ASSERT_EQ(1u, hinweise.size());
  EXPECT_EQ("Transfer cancelled: the device memory is incomplete.", hinweise[0]);
  EXPECT_EQ(0, op.progressOpenCount);
}

TEST_F(Schnellgang, CancelledReadLeavesTheCurvesAsTheyAre) {
  ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  sitzung.gKurven.Kurven[0].Punkte = {P(7, 2, 1), P(8, 1, 1)};
  op.cancelAfterSets = static_cast<int>(op.progressValues.size()) + 1;
  EXPECT_EQ(device::kFehlerAbgebrochen, curves::KurvenLesen(sitzung, v(), curves::kSpeicherKurven));
  EXPECT_EQ(2u, sitzung.gKurven.Kurven[0].Punkte.size());
  EXPECT_EQ(7, sitzung.gKurven.Kurven[0].Punkte[0].Y);
  ASSERT_EQ(1u, hinweise.size());
  EXPECT_EQ("Reading cancelled: nothing was taken over.", hinweise[0]);
}

// A device left at another rate answers an ID read or a scan after the search.
class AmAnderenRate : public Schnellgang, public ::testing::WithParamInterface<long> {};

TEST_P(AmAnderenRate, IdReadFindsTheDeviceAndSwitchesItBack) {
  const long rate = GetParam();
  sim.engine().withDevice('1', [rate](sim::Device& d) { d.baudRate = rate; });
  v().Uebertragung().ratenSuchen = true;
  ASSERT_EQ(0, device::IDLesen(v()));
  EXPECT_EQ("ZOR-MIV3AXWUN-2V1.30", device::IdFeld(v()));
  EXPECT_EQ(9600, Rate(sim.engine()));
  ASSERT_EQ(1u, hinweise.size());
  EXPECT_EQ(
      "Device 1 answered at " + std::to_string(rate) + " baud and was switched back to 9600 baud.",
      hinweise[0]);
}

INSTANTIATE_TEST_SUITE_P(Raten, AmAnderenRate, ::testing::Values(38400L, 19200L, 4800L));

TEST_F(Schnellgang, ScanFindsADeviceLeftAt38400) {
  sim.engine().withDevice('1', [](sim::Device& d) { d.baudRate = 38400; });
  v().Uebertragung().ratenSuchen = true;
  ASSERT_EQ(0, device::GeraeteSuchen(v()));
  EXPECT_TRUE(v().Companel().scanLampen[0].an);
  EXPECT_EQ(device::kLampeGruen, v().Companel().scanLampen[0].farbe);
  EXPECT_EQ(9600, Rate(sim.engine()));
  EXPECT_EQ(1u, hinweise.size());
}

TEST_F(Schnellgang, WithoutTheChoiceAnIdReadAsksOnce) {
  sim.engine().withDevice('1', [](sim::Device& d) { d.baudRate = 38400; });
  EXPECT_EQ(-403012, device::IDLesen(v()));
  EXPECT_EQ(std::vector<std::string>{"#1IDR"}, Frames(sim.engine()));
  EXPECT_EQ(38400, Rate(sim.engine()));
}

// ---- Only the changed blocks ----

class GeaenderteBloecke : public Schnellgang {
 protected:
  void SetUp() override {
    Schnellgang::SetUp();
    // 200 points of one unit each: point i is sample i, at byte 32 + 2i of the image, so an
    // edit of one point changes one block (and the header's check sum).
    auto& punkte = sitzung.gKurven.Kurven[0].Punkte;
    punkte.clear();
    for (int i = 0; i < 200; ++i) punkte.push_back(P(10 * i, 1, 2));
    v().Uebertragung().nurGeaendert = true;
    // Nothing known yet: everything goes.
    ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
    ASSERT_EQ(7u, Frames(sim.engine()).size());
    sim.engine().clearFrames();
  }
};

TEST_F(GeaenderteBloecke, OnlyTheHeaderGoesWhenOnlyTheHeaderChanged) {
  sitzung.gKurven.Ruhezustand[0] = 77;
  ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  EXPECT_EQ((std::vector<std::string>{"#1BDR410000020", "#1BDW410000040", "#1BDR410000040"}),
            Frames(sim.engine()));
  const auto bild = Bild();
  EXPECT_EQ(bild, Geraet(bild.size()));
}

TEST_F(GeaenderteBloecke, ADifferingBlockGoesBeforeTheHeader) {
  sitzung.gKurven.Kurven[0].Punkte[190].Y = 5;  // byte 412: the last block, 4096 + 384
  ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  EXPECT_EQ((std::vector<std::string>{"#1BDR410000020", "#1BDW411800030", "#1BDW410000040",
                                      "#1BDR411800030", "#1BDR410000040"}),
            Frames(sim.engine()));
  const auto bild = Bild();
  EXPECT_EQ(bild, Geraet(bild.size()));
  EXPECT_TRUE(hinweise.empty());
}

TEST_F(GeaenderteBloecke, AnotherHeaderInTheDeviceWritesEverything) {
  sim.engine().withDevice('1', [](sim::Device& d) { d.memory4[4096] ^= 0xFF; });
  ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  EXPECT_EQ(8u, Frames(sim.engine()).size());  // the header read, then seven blocks
  const auto bild = Bild();
  EXPECT_EQ(bild, Geraet(bild.size()));
  ASSERT_EQ(1u, hinweise.size());
  EXPECT_NE(std::string::npos, hinweise[0].find("writing all blocks"));
}

TEST_F(GeaenderteBloecke, ABlockReadBackDifferentlyWritesEverything) {
  sim.engine().inject({sim::FaultKind::Corrupt, "BDW", 0, 0, '?', 5});
  ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  EXPECT_EQ(3u + 7u, Frames(sim.engine()).size());
  const auto bild = Bild();
  EXPECT_EQ(bild, Geraet(bild.size()));
  ASSERT_EQ(1u, hinweise.size());
  EXPECT_NE(std::string::npos, hinweise[0].find("read back differently"));
}

TEST_F(GeaenderteBloecke, WhatWasReadCountsAsKnown) {
  v().Gedaechtnis().AllesVergessen();
  curves::Kurvensitzung gelesen;
  ASSERT_EQ(0, curves::KurvenModellInitialisieren(gelesen));
  ASSERT_EQ(0, curves::KurvenLesen(gelesen, v(), curves::kSpeicherKurven));
  curves::KurvenModellFreigeben(gelesen);
  sim.engine().clearFrames();
  ASSERT_EQ(0, curves::KurvenSenden(sitzung, v(), curves::kSpeicherKurven));
  EXPECT_EQ(3u, Frames(sim.engine()).size());
}

// ---- A characteristic slot ----

class SchnellKennlinie : public testsupport::KennlFixture {
 protected:
  void SetUp() override {
    KennlFixture::SetUp();
    sim.verbindung().Port().offen = sim.port();
    sitzung.gKennl.Felder.KurveNr = 2;
  }
  testsupport::SimPort sim{MitRaten()};
};

TEST_F(SchnellKennlinie, SlotWriteAndReadRunFast) {
  device::Verbindung& v = sim.verbindung();
  v.Uebertragung().schnell = true;
  v.Uebertragung().nurGeaendert = true;
  Setze({{0, 4095}, {4095, 1}});
  ASSERT_EQ(0, characteristic::KennlinieSchreiben(sitzung, v));
  std::vector<std::uint8_t> bild;
  ASSERT_EQ(0, characteristic::KennlBildErzeugen(sitzung, bild));
  const auto m = sim.engine().device('1').memory4;
  const long start = characteristic::PlatzAdresse(2);
  EXPECT_TRUE(std::equal(bild.begin(), bild.end(), m.begin() + start));
  EXPECT_EQ(9600, sim.engine().device('1').baudRate);

  Setze({{5, 1}});
  ASSERT_EQ(0, characteristic::KennlinieLesen(sitzung, v));
  EXPECT_EQ(4096u, Punkte().size());
  EXPECT_EQ(4095, Punkte().back().first);
  EXPECT_EQ(0, v.AktuelleFehlerfelder().nummer);

  // Written again unchanged: the header is read, its block written and read back.
  sim.engine().clearFrames();
  ASSERT_EQ(0, characteristic::KennlinieSchreiben(sitzung, v));
  int bdw = 0;
  for (const auto& f : sim.engine().frames()) bdw += f.find("BDW") == 2 ? 1 : 0;
  EXPECT_EQ(1, bdw);
}

}  // namespace
