// Verification after writing: the written blocks are read back over the simulator on a
// real pseudo-terminal, whose "corrupt" fault stores other bytes than it acknowledges.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "characteristic/transfer/Kennlinienbild.h"
#include "characteristic/transfer/Kennlinientransfer.h"
#include "config/Konfiguration.h"
#include "curves/model/Kurvenmodell.h"
#include "curves/model/Kurvensitzung.h"
#include "curves/model/Rueckgaengig.h"
#include "curves/transfer/Kurventransfer.h"
#include "device/Fehler.h"
#include "device/Nachpruefung.h"
#include "device/Verbindung.h"
#include "support/KennlFixture.h"
#include "support/ScriptedOperator.h"
#include "support_sim/SimPort.h"

namespace {

using curves::Kurvenpunkt;

// The frames the device received, cut to command and address ("#1BDW4" ...).
std::vector<std::string> Befehle(sim::Engine& engine) {
  std::vector<std::string> r;
  for (const auto& f : engine.frames())
    r.push_back(f.substr(0, std::min(f.find('\r'), std::size_t{6})));
  return r;
}

long Anzahl(const std::vector<std::string>& befehle, const std::string& was) {
  return std::count_if(befehle.begin(), befehle.end(),
                       [&](const std::string& b) { return b.find(was) != std::string::npos; });
}

testsupport::SimPortOptions MitRaten() {
  testsupport::SimPortOptions o;
  o.lineRates = true;
  return o;
}

enum class Ziel { Kurven, Dither, Kennlinie };

struct Fall {
  const char* name;
  Ziel ziel;
  int jederNte;  // -1: no fault; 0: only the first block write
  bool schnell;
  std::vector<std::pair<double, double>> bereiche;  // expected marks; time in base-2 units
};

// One curve of 200 samples (seven blocks from 4096: the header with samples 0..15, then 32
// samples each) or slot 2 of 129 blocks (the head, then 32 input values each).
class Nachpruefung : public ::testing::TestWithParam<Fall> {
 protected:
  void SetUp() override {
    ASSERT_EQ(0, curves::KurvenModellInitialisieren(kurven));
    ASSERT_EQ(0, characteristic::KennlModellInitialisieren(kennl));
    device::ZOR_Fehlersprache(2);
    v().Port().offen = sim.port();
    v().Uebertragung().nachpruefen = true;
    kurven.gKurven.Kurven[0].Punkte = {Kurvenpunkt{0, 150, 2, {0, 0, 0}},
                                       Kurvenpunkt{4000, 50, 9, {0, 0, 0}}};
    kennl.gKennl.Felder.KurveNr = 2;
    kennl.gKennl.Kennl.Punkte = {{0, 4095, 0, {0, 0, 0}}, {4095, 1, 0, {0, 0, 0}}};
    sim.engine().withDevice('1', [](sim::Device& d) { d.mode = 2; });  // slots valid
  }
  void TearDown() override {
    curves::KurvenModellFreigeben(kurven);
    characteristic::KennlModellFreigeben(kennl);
  }
  device::Verbindung& v() { return sim.verbindung(); }
  int Schreiben(Ziel ziel) {
    switch (ziel) {
      case Ziel::Kurven:
        return curves::KurvenSenden(kurven, v(), curves::kSpeicherKurven);
      case Ziel::Dither:
        return curves::KurvenSenden(kurven, v(), curves::kSpeicherDither);
      case Ziel::Kennlinie:
        return characteristic::KennlinieSchreiben(kennl, v());
    }
    return 0;
  }
  std::vector<std::pair<double, double>> Bereiche(Ziel ziel) {
    std::vector<std::pair<double, double>> r;
    if (ziel == Ziel::Kennlinie) {
      for (const auto& b : kennl.Abweichungen) r.emplace_back(b.Start, b.Ende);
    } else {
      const double einheit = curves::ZeitbasisInMikrosekunden(2);
      for (const auto& b : kurven.Abweichungen) r.emplace_back(b.Start / einheit, b.Ende / einheit);
    }
    return r;
  }

  testsupport::SimPort sim{MitRaten()};
  curves::Kurvensitzung kurven;
  characteristic::Kennliniensitzung kennl;
  testsupport::ScriptedOperator op;
};

TEST_P(Nachpruefung, FindsExactlyTheBlocksStoredOtherwise) {
  const Fall& f = GetParam();
  v().Uebertragung().schnell = f.schnell;
  if (f.jederNte >= 0) sim.engine().inject({sim::FaultKind::Corrupt, "BDW", 0, f.jederNte});
  const int erwartet = f.bereiche.empty() ? 0 : device::kFehlerNachpruefung;
  EXPECT_EQ(erwartet, Schreiben(f.ziel));
  EXPECT_EQ(f.bereiche, Bereiche(f.ziel));
  EXPECT_EQ(-erwartet, v().AktuelleFehlerfelder().nummer);
  // Every written block was read back, and the line is at 9600 again.
  const auto befehle = Befehle(sim.engine());
  EXPECT_EQ(Anzahl(befehle, "BDW"), Anzahl(befehle, "BDR"));
  EXPECT_EQ(9600, sim.engine().device('1').baudRate);
}

// Curve 1's samples: 150 of time base 2, then 50 of time base 9 (an eighth of it each).
const double kEnde = 150 + 50 / 8.0;

INSTANTIATE_TEST_SUITE_P(
    Faelle, Nachpruefung,
    ::testing::Values(
        Fall{"CurveGood", Ziel::Kurven, -1, false, {}},
        Fall{"CurveGoodFast", Ziel::Kurven, -1, true, {}},
        Fall{"CurveHeader", Ziel::Kurven, 0, false, {{0, kEnde}}},
        Fall{"CurveEveryThird", Ziel::Kurven, 3, false, {{48, 80}, {144, 150 + 26 / 8.0}}},
        Fall{"CurveEveryThirdFast", Ziel::Kurven, 3, true, {{48, 80}, {144, 150 + 26 / 8.0}}},
        Fall{"DitherLast", Ziel::Dither, 7, false, {{150 + 26 / 8.0, kEnde}}},
        Fall{"SlotGood", Ziel::Kennlinie, -1, false, {}},
        Fall{"SlotHead", Ziel::Kennlinie, 0, false, {{0, 4096}}},
        Fall{"SlotEveryFiftieth", Ziel::Kennlinie, 50, true, {{1536, 1568}, {3136, 3168}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Nachpruefung, FastWriteReadsBackBeforeTheWayBack) {
  v().Uebertragung().schnell = true;
  ASSERT_EQ(0, Schreiben(Ziel::Kurven));
  std::vector<std::string> erwartet = {"#1BRW3", "#1IDR"};
  erwartet.insert(erwartet.end(), 7, "#1BDW4");
  erwartet.insert(erwartet.end(), 7, "#1BDR4");
  erwartet.insert(erwartet.end(), {"#1BRW9", "#1IDR"});
  EXPECT_EQ(erwartet, Befehle(sim.engine()));
}

TEST_F(Nachpruefung, ChangedBlocksAreTheOnesVerified) {
  v().Uebertragung().nurGeaendert = true;
  ASSERT_EQ(0, Schreiben(Ziel::Kurven));
  // Only the header changes: it goes and comes back as sent, and nothing more is read.
  sim.engine().clearFrames();
  kurven.gKurven.Ruhezustand[0] = 77;
  ASSERT_EQ(0, Schreiben(Ziel::Kurven));
  EXPECT_EQ((std::vector<std::string>{"#1BDR4", "#1BDW4", "#1BDR4"}), Befehle(sim.engine()));
  // Stored otherwise: everything goes again and all of it is read back.
  sim.engine().clearFrames();
  kurven.gKurven.Ruhezustand[0] = 78;
  sim.engine().inject({sim::FaultKind::Corrupt, "BDW", 0, 1});
  EXPECT_EQ(device::kFehlerNachpruefung, Schreiben(Ziel::Kurven));
  const auto befehle = Befehle(sim.engine());
  EXPECT_EQ(1 + 7, Anzahl(befehle, "BDW"));
  EXPECT_EQ(2 + 7, Anzahl(befehle, "BDR"));
  EXPECT_EQ((std::vector<std::pair<double, double>>{{0, kEnde}}), Bereiche(Ziel::Kurven));
}

TEST_F(Nachpruefung, TheNextEditClearsTheMarks) {
  sim.engine().inject({sim::FaultKind::Corrupt, "BDW"});
  ASSERT_EQ(device::kFehlerNachpruefung, Schreiben(Ziel::Kurven));
  ASSERT_FALSE(kurven.Abweichungen.empty());
  curves::RueckgaengigSichern(kurven);
  EXPECT_TRUE(kurven.Abweichungen.empty());
}

TEST_F(Nachpruefung, OffWritesWithoutReadingBack) {
  v().Uebertragung().nachpruefen = false;
  sim.engine().inject({sim::FaultKind::Corrupt, "BDW"});
  EXPECT_EQ(0, Schreiben(Ziel::Kurven));
  EXPECT_EQ(0, Anzahl(Befehle(sim.engine()), "BDR"));
  EXPECT_TRUE(kurven.Abweichungen.empty());
}

}  // namespace
