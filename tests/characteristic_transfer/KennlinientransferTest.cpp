// The slot transfers against the simulated WUN-2: over a real pseudo-terminal (SimPort)
// for the whole road, and through the same engine without the line (SimMemory) for the
// fault cases.
#include <gtest/gtest.h>

#include <string>

#include "characteristic/model/KennlRueckgaengig.h"
#include "characteristic/transfer/Kennlinienbild.h"
#include "characteristic/transfer/Kennlinientransfer.h"
#include "support/KennlFixture.h"
#include "support_sim/SimPort.h"

namespace {

using namespace characteristic;

std::vector<std::uint8_t> Ausschnitt(const std::vector<std::uint8_t>& b, long von, long bis) {
  return {b.begin() + von, b.begin() + bis};
}

// Memory writes as (start, count) pairs, taken from the frames the device received.
std::vector<std::pair<long, long>> Schreibbloecke(const std::vector<std::string>& frames) {
  std::vector<std::pair<long, long>> r;
  for (const auto& f : frames) {
    const auto p = f.find("BDW4");
    if (p == std::string::npos) continue;
    r.emplace_back(std::stol(f.substr(p + 4, 4), nullptr, 16),
                   std::stol(f.substr(p + 8, 4), nullptr, 16));
  }
  return r;
}

class PtyKennlTransfer : public testsupport::KennlFixture {
 protected:
  void SetUp() override {
    KennlFixture::SetUp();
    sim.attach(verbindung);
  }
  std::uint8_t Modus() { return sim.engine().device('1').mode; }
  testsupport::SimPort sim;
};

TEST_F(PtyKennlTransfer, WriteToInvalidSlotsInitialisesThemFirst) {
  ASSERT_EQ(Modus() & 6, 0);  // the simulated device starts with invalid slots
  Setze({{0, 4095}, {4095, 1}});
  sitzung.gKennl.Felder.KurveNr = 3;
  verbindung.ComFehlerSetzen(-404015);
  ASSERT_EQ(KennlinieSchreiben(sitzung, verbindung), 0);
  EXPECT_FALSE(verbindung.AktuelleFehlerfelder().led);

  std::vector<std::uint8_t> bild;
  ASSERT_EQ(KennlBildErzeugen(sitzung, bild), 0);
  const auto geraet = sim.engine().device('1');
  EXPECT_EQ(Ausschnitt(geraet.memory4, PlatzAdresse(3), PlatzAdresse(4)), bild);
  const auto eins = KennlEinsBild();
  for (int n : {1, 2, 4, 5, 6, 7})
    EXPECT_EQ(Ausschnitt(geraet.memory4, PlatzAdresse(n), PlatzAdresse(n) + 34), eins) << n;
  EXPECT_EQ(geraet.mode & 6, 2);
  EXPECT_EQ(op.progressTitles, std::vector<std::string>{"sending data"});
  EXPECT_EQ(op.progressValues.back(), 100);
  EXPECT_EQ(op.progressOpenCount, 0);

  // No block crosses a multiple of 64; slot 3 starts at 16448 = 257 * 64.
  long summe = 0;
  for (const auto& [start, anzahl] : Schreibbloecke(sim.engine().frames())) {
    EXPECT_LE(anzahl, 64);
    EXPECT_EQ(start / 64, (start + anzahl - 1) / 64) << start;
    summe += anzahl;
  }
  EXPECT_EQ(summe, 7 * 34 + 8224);
}

TEST_F(PtyKennlTransfer, WrittenSlotReadsBack) {
  Setze({{0, 4095}, {4095, 1}});
  sitzung.gKennl.Felder.KurveNr = 2;
  sitzung.gKennl.Felder.Ausgang2 = 5.0;
  sitzung.gKennl.Felder.Anstiegszeit = 1000.0;
  ASSERT_EQ(KennlinieSchreiben(sitzung, verbindung), 0);
  Setze({{7, 1}});
  sitzung.gKennl.Felder = {};
  sitzung.gKennl.Felder.KurveNr = 2;
  op.progressTitles.clear();
  ASSERT_EQ(KennlinieLesen(sitzung, verbindung), 0);
  EXPECT_FALSE(verbindung.AktuelleFehlerfelder().led);
  ASSERT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 4096);
  for (int x = 0; x < 4096; ++x) {
    ASSERT_EQ(sitzung.gKennl.Kennl.Punkte[x].Y, x);
    ASSERT_EQ(sitzung.gKennl.Kennl.Punkte[x].Laenge, 1);
  }
  EXPECT_NEAR(sitzung.gKennl.Felder.Ausgang2, 5.0012, 1e-4);
  EXPECT_EQ(sitzung.gKennl.Felder.Anstiegszeit, 819.0);
  EXPECT_EQ(op.progressTitles, std::vector<std::string>{"reading data"});
  EXPECT_FALSE(sitzung.gKennl.KennlinieGeaendert);

  // The read is one undo step: undo brings back what was there before, redo the slot.
  ASSERT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 1);
  EXPECT_TRUE(KennlUndoBefehle(sitzung).Rueckgaengig);
  Rueckgaengig(sitzung);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{7, 1}}));
  Wiederherstellen(sitzung);
  EXPECT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 4096);
}

TEST_F(PtyKennlTransfer, ReadingInvalidSlotsChangesNothing) {
  Setze({{7, 1}});
  EXPECT_EQ(KennlinieLesen(sitzung, verbindung), -1026512);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 1026512);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{7, 1}}));
  EXPECT_EQ(sitzung.gKennl.Historien.AnzahlRueckgaengig, 0);  // a failed read leaves no undo step
}

TEST_F(PtyKennlTransfer, InitialisedSlotReadsAsOnePoint) {
  ASSERT_EQ(KennlinienplaetzeInitialisieren(verbindung), 0);
  sitzung.gKennl.Felder.KurveNr = 7;
  ASSERT_EQ(KennlinieLesen(sitzung, verbindung), 0);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{205, 1}}));
  EXPECT_EQ(sitzung.gKennl.Felder.Ausgang2, 0.0);
}

TEST_F(PtyKennlTransfer, WrongCheckSumChangesNothing) {
  ASSERT_EQ(KennlinieSchreiben(sitzung, verbindung), 0);
  sim.engine().withDevice('1', [](sim::Device& d) { return d.memory4[100] ^= 1; });
  Setze({{7, 1}});
  EXPECT_EQ(KennlinieLesen(sitzung, verbindung), -897513);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 897513);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{7, 1}}));
}

TEST_F(PtyKennlTransfer, OutputTwoAboveFullScaleKeepsTheField) {
  sitzung.gKennl.Felder.Anstiegszeit = 1.0;
  ASSERT_EQ(KennlinieSchreiben(sitzung, verbindung), 0);
  sim.engine().withDevice('1', [](sim::Device& d) {
    // 4096 in bytes 4 and 5, the check sum raised by the 16 - 0 + 0 - 0 difference.
    const int alt = d.memory4[4] + d.memory4[5];
    d.memory4[4] = 0x10;
    d.memory4[5] = 0x00;
    const int summe = (d.memory4[0] * 256 + d.memory4[1] - alt + 0x10) & 0xFFFF;
    d.memory4[0] = static_cast<std::uint8_t>(summe >> 8);
    d.memory4[1] = static_cast<std::uint8_t>(summe);
    return 0;
  });
  sitzung.gKennl.Felder.Ausgang2 = 3.0;
  sitzung.gKennl.Felder.Anstiegszeit = 50.0;
  EXPECT_EQ(KennlinieLesen(sitzung, verbindung), -1019514);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 1019514);
  EXPECT_EQ(sitzung.gKennl.Felder.Ausgang2, 3.0);
  EXPECT_NEAR(sitzung.gKennl.Felder.Anstiegszeit, 1.0012, 1e-4);
  EXPECT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 4096);
}

TEST_F(PtyKennlTransfer, SelectingSetsOutputFourToTheSlotNumber) {
  sitzung.gKennl.Felder.KurveNr = 6;
  EXPECT_EQ(KennlinieAnwaehlen(sitzung, verbindung), 0);
  EXPECT_EQ(sim.engine().device('1').outputs[3], 6.0);
}

// ---- Refusals before and without the device ----

class OhnePort : public testsupport::KennlFixture {};

TEST_F(OhnePort, EveryTransferNamesTheMissingPort) {
  std::uint8_t puffer[4] = {};
  EXPECT_EQ(KennlinieSchreiben(sitzung, verbindung), -122509);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 122509);
  EXPECT_EQ(KennlinieLesen(sitzung, verbindung), -122509);
  EXPECT_EQ(KennlinienplaetzeInitialisieren(verbindung), -122507);
  EXPECT_EQ(KennlSpeicherSchreiben(verbindung, puffer, 0, 4, true), -122510);
  EXPECT_EQ(KennlSpeicherLesen(verbindung, 0, 4, puffer, true), -122524);
  verbindung.ComFehlerSetzen(0);
  EXPECT_EQ(KennlinieAnwaehlen(sitzung, verbindung), -122544);
  EXPECT_EQ(verbindung.AktuelleFehlerfelder().nummer, 122544);
  EXPECT_TRUE(op.progressTitles.empty());
}

TEST_F(OhnePort, BadSlotOnReadIsRefusedFirst) {
  for (int n : {0, 8, -1}) {
    sitzung.gKennl.Felder.KurveNr = n;
    EXPECT_EQ(KennlinieLesen(sitzung, verbindung), -1024511);
  }
}

TEST_F(OhnePort, TooLongImageIsRefusedBeforeTheDevice) {
  Setze({{0, 4096}, {1, 1}});
  EXPECT_EQ(KennlinieSchreiben(sitzung, verbindung), -1023505);
  EXPECT_FALSE(verbindung.AktuelleFehlerfelder().led);
}

// ---- Faults, through the engine without the line ----

class SpeicherKennlTransfer : public testsupport::KennlFixture {
 protected:
  void SetUp() override {
    KennlFixture::SetUp();
    sim.attach(verbindung);
  }
  testsupport::SimMemory sim;
};

TEST_F(SpeicherKennlTransfer, BadSlotOnWriteIsRefusedAfterTheModeCheck) {
  sitzung.gKennl.Felder.KurveNr = 8;
  EXPECT_EQ(KennlinieSchreiben(sitzung, verbindung), -1024506);
}

TEST_F(SpeicherKennlTransfer, RefusedBlockEndsTheWriteAndShowsTheCode) {
  sim.engine().withDevice('1', [](sim::Device& d) { return d.mode = 2; });
  sim.engine().inject({sim::FaultKind::Nak, "BDW", 0, 0});
  EXPECT_TRUE(verbindung.InFehlerfeldern(KennlinieSchreiben(sitzung, verbindung)));
  EXPECT_TRUE(verbindung.AktuelleFehlerfelder().led);
  EXPECT_NE(verbindung.AktuelleFehlerfelder().nummer, 0);
  EXPECT_EQ(op.progressOpenCount, 0);
}

TEST_F(SpeicherKennlTransfer, ModeReadErrorOnReadIsReturned) {
  sim.engine().inject({sim::FaultKind::Nak, "M1R", 0, 0});
  const int code = KennlinieLesen(sitzung, verbindung);
  EXPECT_LT(code, 0);
  EXPECT_NE(code, -1026512);
}

TEST_F(SpeicherKennlTransfer, BlockReadChecksTheModeBitsItself) {
  std::uint8_t puffer[64] = {};
  EXPECT_EQ(KennlSpeicherLesen(verbindung, 0, 64, puffer, false), -1026525);
  sim.engine().withDevice('1', [](sim::Device& d) { return d.mode = 2 | 4; });
  EXPECT_EQ(KennlSpeicherLesen(verbindung, 0, 64, puffer, false), -1026525);
  sim.engine().withDevice('1', [](sim::Device& d) { return d.mode = 2; });
  EXPECT_EQ(KennlSpeicherLesen(verbindung, 0, 64, puffer, false), 0);
}

TEST_F(SpeicherKennlTransfer, ReadWithoutMemoryKeepsThePoints) {
  ASSERT_EQ(KennlinieSchreiben(sitzung, verbindung), 0);
  Setze({{7, 1}});
  KennlAllokationsHaken().Ausloesen(1, 1);  // the buffer succeeds, the points do not
  // Left to the caller, which shows it: not in the error fields.
  EXPECT_EQ(KennlinieLesen(sitzung, verbindung), -600528);
  EXPECT_FALSE(verbindung.InFehlerfeldern(-600528));
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{7, 1}}));
}

}  // namespace
