// Writing curves into the simulated WUN-2 and reading them back: over a real
// pseudo-terminal (SimPort) and, for the long and the fault cases, the same device engine
// wired straight to the driver (SimMemory).
#include <algorithm>

#include "Transferhilfen.h"
#include "curves/model/Allokation.h"
#include "curves/model/Rueckgaengig.h"
#include "curves/transfer/Kurvenbild.h"
#include "curves/transfer/Kurventransfer.h"
#include "support_sim/SimPort.h"

namespace transfertest {
namespace {

using namespace curves;

std::vector<std::uint8_t> Ausschnitt(const std::vector<std::uint8_t>& v, int von, int bis) {
  return {v.begin() + von, v.begin() + bis};
}

std::vector<std::uint8_t> Bild(Kurvensitzung& sitzung) {
  std::vector<std::uint8_t> bild;
  int ende = 0;
  EXPECT_EQ(0, KurvenbildErzeugen(sitzung, bild, ende));
  bild.resize(static_cast<std::size_t>(ende));
  return bild;
}

// ---- Over the pseudo-terminal ----

class PtyTransfer : public ModellTest {
 protected:
  void SetUp() override {
    ModellTest::SetUp();
    sim.attach(verbindung);
  }
  testsupport::SimPort sim;
};

TEST_F(PtyTransfer, DefaultCurveLandsInTheDeviceMemory) {
  verbindung.ComFehlerSetzen(-404015);
  ASSERT_EQ(0, KurvenSenden(sitzung, verbindung, kSpeicherKurven));
  const auto erwartet = Bild(sitzung);
  const auto geraet = sim.engine().device('1');
  EXPECT_EQ(Ausschnitt(erwartet, 4096, 4130), Ausschnitt(geraet.memory4, 4096, 4130));
  EXPECT_EQ(0xFF, geraet.memory4[4130]);  // nothing beyond the image
  EXPECT_EQ(0xFF, geraet.memory4[4095]);
  EXPECT_EQ(std::vector<std::uint8_t>(65536, 0xFF), geraet.memory5);
  EXPECT_EQ(0, verbindung.AktuelleFehlerfelder().nummer);  // cleared before sending
  EXPECT_FALSE(verbindung.AktuelleFehlerfelder().led);
  EXPECT_EQ(std::vector<std::string>{"Send data"}, op.progressTitles);
  EXPECT_EQ(std::vector<int>{100}, op.progressValues);
  EXPECT_EQ(0, op.progressOpenCount);
}

TEST_F(PtyTransfer, LongerCurveGoesInBlocksOf64Bytes) {
  // 200 samples: 432 bytes from 4096, six blocks of 64 and one of 48.
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 150, 2), P(4000, 50, 9)};
  sitzung.gKurven.Zyklen[0] = 3;
  sitzung.gKurven.Ruhezustand[0] = 1000;
  sim.engine().clearFrames();
  ASSERT_EQ(0, KurvenSenden(sitzung, verbindung, kSpeicherDither));
  const auto erwartet = Bild(sitzung);
  ASSERT_EQ(4096u + 432u, erwartet.size());
  const auto geraet = sim.engine().device('1');
  EXPECT_EQ(Ausschnitt(erwartet, 4096, 4528), Ausschnitt(geraet.memory5, 4096, 4528));
  EXPECT_EQ(0xFF, geraet.memory4[4096]);
  const auto frames = sim.engine().frames();
  ASSERT_EQ(7u, frames.size());
  EXPECT_EQ(0u, frames[0].find("#1BDW510000040"));  // type 5, start 1000 hex, 64 bytes
  EXPECT_EQ(0u, frames[6].find("#1BDW511800030"));  // 4096 + 384, 48 bytes
  EXPECT_EQ((std::vector<int>{14, 29, 44, 59, 74, 88, 100}), op.progressValues);
  EXPECT_EQ(0, verbindung.AktuelleFehlerfelder().nummer);
}

TEST_F(PtyTransfer, WrittenCurveReadsBackAsOnePointPerSample) {
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 3, 1), P(4095, 2, 9)};
  sitzung.gKurven.Zyklen[0] = 12;
  sitzung.gKurven.Ruhezustand[0] = 345;
  ASSERT_EQ(0, KurvenSenden(sitzung, verbindung, kSpeicherKurven));
  ASSERT_EQ(0, KurvenNeu(sitzung));
  sitzung.gKurven.KurvenGeaendert = false;
  int angezeigt = 0;
  auto abo = sitzung.Lesemeldungen.Abonnieren([&] { ++angezeigt; });

  ASSERT_EQ(0, KurvenLesen(sitzung, verbindung, kSpeicherKurven));

  EXPECT_TRUE(Gleich({P(0, 1, 1), P(1365, 1, 1), P(2730, 1, 1), P(4095, 1, 9), P(2048, 1, 9)},
                     sitzung.gKurven.Kurven[0].Punkte));
  EXPECT_EQ(12, sitzung.gKurven.Zyklen[0]);
  EXPECT_EQ(345, sitzung.gKurven.Ruhezustand[0]);
  EXPECT_EQ(1, angezeigt);
  EXPECT_FALSE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_EQ(0, verbindung.AktuelleFehlerfelder().nummer);
  // The curve the read replaced is one undo step away.
  EXPECT_EQ(1, sitzung.gKurven.Historien[0].AnzahlRueckgaengig);
  EXPECT_TRUE(curves::UndoBefehle(sitzung).RueckgaengigKnopf);
  // The header is read without a box, the whole image with one.
  EXPECT_EQ((std::vector<std::string>{"Send data", "Read data"}), op.progressTitles);
  EXPECT_EQ(0, op.progressOpenCount);
  // Curve 1 encodes again to the very bytes the device holds.
  EXPECT_EQ(Ausschnitt(Bild(sitzung), 4096, 4138),
            Ausschnitt(sim.engine().device('1').memory4, 4096, 4138));
  curves::Rueckgaengig(sitzung);
  EXPECT_TRUE(Gleich({curves::kStandardpunkt}, sitzung.gKurven.Kurven[0].Punkte));
}

TEST_F(PtyTransfer, ReadWhileAnotherCurveIsEditedKeepsThatCurvesUndo) {
  ASSERT_EQ(0, KurvenSenden(sitzung, verbindung, kSpeicherKurven));
  sitzung.gKurven.Kurven[0].Punkte = {P(7, 2, 1), P(8, 1, 1)};
  sitzung.gKurven.AktuelleKurve = 1;
  sitzung.gKurven.KurvenGeaendert = true;
  ASSERT_EQ(0, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(1, sitzung.gKurven.AktuelleKurve);
  EXPECT_TRUE(sitzung.gKurven.KurvenGeaendert);
  EXPECT_EQ(1, sitzung.gKurven.Historien[0].AnzahlRueckgaengig);
  EXPECT_EQ(0, sitzung.gKurven.Historien[1].AnzahlRueckgaengig);
  EXPECT_FALSE(curves::UndoBefehle(sitzung).RueckgaengigKnopf);  // curve 2 has no step
  sitzung.gKurven.AktuelleKurve = 0;
  curves::Rueckgaengig(sitzung);
  EXPECT_TRUE(Gleich({P(7, 2, 1), P(8, 1, 1)}, sitzung.gKurven.Kurven[0].Punkte));
}

TEST_F(PtyTransfer, FaultInTheThirdBlockStopsTheWrite) {
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 150, 2), P(4000, 50, 9)};
  sim.engine().inject({sim::FaultKind::Nak, "BDW", 0, 3});
  EXPECT_EQ(-402127, KurvenSenden(sitzung, verbindung, kSpeicherKurven));
  sim.engine().clearFaults();
  const auto& felder = verbindung.AktuelleFehlerfelder();
  EXPECT_TRUE(felder.led);
  EXPECT_EQ(402127, felder.nummer);
  EXPECT_EQ("Errormessage (NAK) received from device", felder.text);
  EXPECT_EQ((std::vector<int>{14, 29}), op.progressValues);
  EXPECT_EQ(0, op.progressOpenCount);
  const auto geraet = sim.engine().device('1');
  const auto erwartet = Bild(sitzung);
  EXPECT_EQ(Ausschnitt(erwartet, 4096, 4224), Ausschnitt(geraet.memory4, 4096, 4224));
  EXPECT_EQ(0xFF, geraet.memory4[4224]);
}

TEST_F(PtyTransfer, FaultWhileReadingLeavesTheCurves) {
  sitzung.gKurven.Kurven[0].Punkte = {P(0, 150, 2), P(4000, 50, 9)};
  ASSERT_EQ(0, KurvenSenden(sitzung, verbindung, kSpeicherKurven));
  sitzung.gKurven.Kurven[0].Punkte = {P(1, 2, 3)};
  sitzung.gKurven.Zyklen[0] = 77;
  // The header read is the first BDR frame; the fourth frame is the image's third block.
  sim.engine().inject({sim::FaultKind::WrongChecksum, "BDR", 0, 4});
  EXPECT_EQ(-406114, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  sim.engine().clearFaults();
  EXPECT_EQ(406114, verbindung.AktuelleFehlerfelder().nummer);
  EXPECT_TRUE(Gleich({P(1, 2, 3)}, sitzung.gKurven.Kurven[0].Punkte));
  EXPECT_EQ(77, sitzung.gKurven.Zyklen[0]);
  EXPECT_EQ(0, op.progressOpenCount);
}

TEST_F(PtyTransfer, NakOnTheHeaderReadLeavesTheCurves) {
  sitzung.gKurven.Kurven[0].Punkte = {P(1, 2, 3)};
  sim.engine().inject({sim::FaultKind::Nak, "BDR"});
  EXPECT_EQ(-402099, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(402099, verbindung.AktuelleFehlerfelder().nummer);
  EXPECT_TRUE(Gleich({P(1, 2, 3)}, sitzung.gKurven.Kurven[0].Punkte));
  EXPECT_TRUE(op.progressTitles.empty());
}

// ---- Without an open port ----

class OhnePort : public ModellTest {};

TEST_F(OhnePort, WriteAndReadReportTheClosedPort) {
  sitzung.gKurven.Kurven[0].Punkte = {P(1, 2, 3)};
  EXPECT_EQ(-122430, KurvenSenden(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(122430, verbindung.AktuelleFehlerfelder().nummer);
  EXPECT_EQ("COM-port not open", verbindung.AktuelleFehlerfelder().text);
  EXPECT_EQ(-122431, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(122431, verbindung.AktuelleFehlerfelder().nummer);
  EXPECT_TRUE(Gleich({P(1, 2, 3)}, sitzung.gKurven.Kurven[0].Punkte));
  EXPECT_TRUE(op.progressTitles.empty());
  std::uint8_t puffer[4] = {};
  EXPECT_EQ(-122431, SpeicherBlockweiseLesen(verbindung, 4096, 4, puffer, true, 4));
  EXPECT_EQ(-122430, SpeicherBlockweiseSchreiben(verbindung, puffer, 0, 4, 4));
}

// ---- The same engine without the line: long transfers and crafted memory ----

class SpeicherTransfer : public ModellTest {
 protected:
  void SetUp() override {
    ModellTest::SetUp();
    sim.attach(verbindung);
    sitzung.gKurven.Kurven[0].Punkte = {P(2, 2, 2)};
    sitzung.gKurven.Zyklen[0] = 5;
  }
  // Puts an image into the device's curve memory with the given last address and a
  // correct checksum unless told otherwise.
  void Geraetebild(std::vector<std::uint8_t> proben, int letzte, int pruefsummeDazu = 0) {
    sim.engine().withDevice('1', [&](sim::Device& d) {
      std::fill(d.memory4.begin(), d.memory4.end(), 0);
      d.memory4[4098] = static_cast<std::uint8_t>(letzte >> 8);
      d.memory4[4099] = static_cast<std::uint8_t>(letzte & 0xFF);
      d.memory4[4122] = 1;
      std::copy(proben.begin(), proben.end(), d.memory4.begin() + 4128);
      const int summe =
          (Kurvenpruefsumme(d.memory4.data(), 4098, letzte) + pruefsummeDazu) & 0xFFFF;
      d.memory4[4096] = static_cast<std::uint8_t>(summe >> 8);
      d.memory4[4097] = static_cast<std::uint8_t>(summe & 0xFF);
      return 0;
    });
  }
  void ErwarteUnveraendert() {
    EXPECT_TRUE(Gleich({P(2, 2, 2)}, sitzung.gKurven.Kurven[0].Punkte));
    EXPECT_EQ(5, sitzung.gKurven.Zyklen[0]);
  }
  testsupport::SimMemory sim;
};

TEST_F(SpeicherTransfer, FullMemoryImageRoundTrips) {
  sitzung.gKurven.Kurven[0].Punkte = {P(4095, 30000, 4), P(0, 704, 9)};
  ASSERT_EQ(0, KurvenSenden(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(0, verbindung.AktuelleFehlerfelder().nummer);
  const auto erwartet = Bild(sitzung);
  ASSERT_EQ(65536u, erwartet.size());
  EXPECT_EQ(Ausschnitt(erwartet, 4096, 65536),
            Ausschnitt(sim.engine().device('1').memory4, 4096, 65536));
  EXPECT_EQ(960u, op.progressValues.size());
  ASSERT_EQ(0, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(0, verbindung.AktuelleFehlerfelder().nummer);
  ASSERT_EQ(30704, sitzung.gKurven.Kurven[0].Punktanzahl());
  EXPECT_TRUE(Gleich({P(4095, 1, 4)}, {sitzung.gKurven.Kurven[0].Punkte[0]}));
  EXPECT_TRUE(Gleich({P(0, 1, 9)}, {sitzung.gKurven.Kurven[0].Punkte[30000]}));
}

TEST_F(SpeicherTransfer, EmptyImageIsReported) {
  Geraetebild({}, 4127);
  EXPECT_EQ(-1019472, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  ErwarteUnveraendert();
  Geraetebild({}, 0);
  EXPECT_EQ(-1019472, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  ErwarteUnveraendert();
}

TEST_F(SpeicherTransfer, ChecksumMismatchLeavesTheCurves) {
  Geraetebild({0x30, 0x10, 0x30, 0x20}, 4131, 1);
  EXPECT_EQ(-897407, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(897407, verbindung.AktuelleFehlerfelder().nummer);
  ErwarteUnveraendert();
}

TEST_F(SpeicherTransfer, ErasedDeviceGivesAChecksumErrorNotCurves) {
  sim.engine().withDevice('1', [](sim::Device& d) {
    std::fill(d.memory4.begin(), d.memory4.end(), 0xFF);
    return 0;
  });
  EXPECT_EQ(-897407, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(897407, verbindung.AktuelleFehlerfelder().nummer);
  ErwarteUnveraendert();
}

TEST_F(SpeicherTransfer, BadSamplesInTheDeviceLeaveTheCurves) {
  Geraetebild({0x30, 0x10, 0x90, 0x20}, 4131);
  EXPECT_EQ(-1019418, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(1019418, verbindung.AktuelleFehlerfelder().nummer);
  ErwarteUnveraendert();
  Geraetebild({0x30, 0x10, 0x30}, 4130);
  EXPECT_EQ(-1019417, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(1019417, verbindung.AktuelleFehlerfelder().nummer);
  ErwarteUnveraendert();
}

TEST_F(SpeicherTransfer, FailedBufferAllocationsAreReturnedAndChangeNothing) {
  Geraetebild({0x30, 0x10, 0x30, 0x20}, 4131);
  AllokationsfehlerAusloesen(1);  // the 4128 bytes for the header
  EXPECT_EQ(-600404, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  ErwarteUnveraendert();
  AllokationsfehlerAusloesen(1, 1);  // growing the buffer to the last address
  EXPECT_EQ(-600406, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  AllokationsfehlerAusloesen(0);
  ErwarteUnveraendert();
  EXPECT_TRUE(op.progressTitles.empty());
  // The decoded points cannot be allocated: popup, error fields, curves as they were.
  AllokationsfehlerAusloesen(1, 2);
  EXPECT_EQ(-600416, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  AllokationsfehlerAusloesen(0);
  EXPECT_EQ(600416, verbindung.AktuelleFehlerfelder().nummer);
  EXPECT_EQ("Error #600416", op.lastMessageTitle());
  ErwarteUnveraendert();
  ASSERT_EQ(0, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  EXPECT_TRUE(Gleich({P(0x010, 1, 4), P(0x020, 1, 4)}, sitzung.gKurven.Kurven[0].Punkte));
}

TEST_F(SpeicherTransfer, FailedAllocationsWhileReplacingTheCurveLeaveIt) {
  // Three samples replace two points: the undo slot and the curve's array both grow.
  const std::vector<Kurvenpunkt> vorher = {P(2, 2, 2), P(3, 3, 3)};
  Geraetebild({0x30, 0x10, 0x30, 0x20, 0x30, 0x30}, 4133);
  for (const int code : {600419, 600420}) {
    sitzung.gKurven.Kurven[0].Punkte = vorher;
    // After the header, the buffer and the decoded points: the undo slot, then the array.
    AllokationsfehlerAusloesen(1, code == 600419 ? 3 : 4);
    EXPECT_EQ(-code, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
    EXPECT_EQ(0, AusstehendeAllokationsfehler());
    AllokationsfehlerAusloesen(0);
    EXPECT_EQ(code, verbindung.AktuelleFehlerfelder().nummer);
    EXPECT_EQ("Error #" + std::to_string(code), op.lastMessageTitle());
    EXPECT_TRUE(Gleich(vorher, sitzung.gKurven.Kurven[0].Punkte));
    EXPECT_EQ(5, sitzung.gKurven.Zyklen[0]);
  }
  ASSERT_EQ(0, KurvenLesen(sitzung, verbindung, kSpeicherKurven));
  EXPECT_TRUE(
      Gleich({P(0x010, 1, 4), P(0x020, 1, 4), P(0x030, 1, 4)}, sitzung.gKurven.Kurven[0].Punkte));
}

TEST_F(SpeicherTransfer, SilentDeviceIsReported) {
  sim.engine().inject({sim::FaultKind::Silence, "BDW"});
  EXPECT_EQ(-403129, KurvenSenden(sitzung, verbindung, kSpeicherKurven));
  EXPECT_EQ(403129, verbindung.AktuelleFehlerfelder().nummer);
  EXPECT_EQ(0, op.progressOpenCount);
}

}  // namespace
}  // namespace transfertest
