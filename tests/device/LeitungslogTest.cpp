// The frame log: the ring keeps the newest entries in order, its lines name the control
// bytes, and each step of an exchange leaves the code it ended with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/Leitungslog.h"
#include "device/Protokoll.h"
#include "device/Verbindung.h"
#include "support_sim/SimPort.h"

namespace {

using namespace device;
using sim::Fault;
using sim::FaultKind;

std::vector<std::string> Bytes(const Leitungslog& log) {
  std::vector<std::string> b;
  for (std::size_t i = 0; i < log.Anzahl(); ++i) b.push_back(log[i].bytes);
  return b;
}

struct Ringfall {
  std::size_t groesse;
  int vorher;   // entries "1".."vorher"
  bool leeren;  // then Leeren
  int nachher;  // then the next ones
  std::vector<std::string> bleiben;
};

class Ring : public testing::TestWithParam<Ringfall> {};

TEST_P(Ring, KeepsTheNewestEntriesOldestFirst) {
  const Ringfall& f = GetParam();
  Leitungslog log(f.groesse);
  int n = 0;
  while (n < f.vorher) log.Aufzeichnen(Leitungsrichtung::Gesendet, "IDR", std::to_string(++n), 0);
  if (f.leeren) log.Leeren();
  for (int i = 0; i < f.nachher; ++i)
    log.Aufzeichnen(Leitungsrichtung::Gesendet, "IDR", std::to_string(++n), 0);
  EXPECT_EQ(Bytes(log), f.bleiben);
  EXPECT_EQ(log.LetzteNummer(), static_cast<std::uint64_t>(n));
  if (log.Anzahl() > 0) {
    EXPECT_EQ(log[log.Anzahl() - 1].nummer, static_cast<std::uint64_t>(n));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Leitungslog, Ring,
    testing::Values(Ringfall{3, 2, false, 0, {"1", "2"}}, Ringfall{3, 7, false, 0, {"5", "6", "7"}},
                    Ringfall{3, 3, false, 1, {"2", "3", "4"}},
                    // Cleared half full or after wrapping, it fills and wraps in order again.
                    Ringfall{3, 2, true, 4, {"4", "5", "6"}}, Ringfall{3, 5, true, 2, {"6", "7"}},
                    Ringfall{3, 4, true, 0, {}}));

TEST(Leitungslog, TheStandardRingHoldsTenThousand) {
  Leitungslog log;
  for (int i = 0; i < 10005; ++i) log.Aufzeichnen(Leitungsrichtung::Gesendet, "BDW", "x", 0);
  EXPECT_EQ(log.Anzahl(), 10000u);
  EXPECT_EQ(log[0].nummer, 6u);
}

struct Zeilenfall {
  Leitungsrichtung richtung;
  std::string befehl;
  std::string bytes;
  int ergebnis;
  std::string zeile;
};

class Zeile : public testing::TestWithParam<Zeilenfall> {};

TEST_P(Zeile, NamesControlBytesAndShowsTheCode) {
  const Zeilenfall& f = GetParam();
  Leitungslog log;
  log.Aufzeichnen(f.richtung, f.befehl, f.bytes, f.ergebnis);
  EXPECT_EQ(LeitungszeileOhneZeit(log[0]), f.zeile);
  // The full line is the time stamp, two blanks and the same.
  const std::string mitZeit = Leitungszeile(log[0]);
  ASSERT_EQ(mitZeit.size(), 25 + f.zeile.size());
  EXPECT_EQ(mitZeit.substr(25), f.zeile);
  EXPECT_EQ(mitZeit[4], '-');
  EXPECT_EQ(mitZeit[19], '.');
}

INSTANTIATE_TEST_SUITE_P(
    Leitungslog, Zeile,
    testing::Values(
        Zeilenfall{Leitungsrichtung::Gesendet, "IDR", "#1IDR\r", 0, ">  IDR        0  #1IDR<CR>"},
        Zeilenfall{Leitungsrichtung::Empfangen, "IDR", "\x06", 0, "<  IDR        0  <ACK>"},
        Zeilenfall{Leitungsrichtung::Empfangen, "BDW", "\x15", -402127, "<  BDW  -402127  <NAK>"},
        Zeilenfall{Leitungsrichtung::Empfangen, "DF1", "\x18", -405040, "<  DF1  -405040  <CAN>"},
        Zeilenfall{Leitungsrichtung::Empfangen, "V1R", std::string("\0\x7F\xFF#", 4), 0,
                   "<  V1R        0  <0x00><0x7F><0xFF>#"},
        Zeilenfall{Leitungsrichtung::Empfangen, "IDR", "", -403012, "<  IDR  -403012  (nothing)"},
        Zeilenfall{Leitungsrichtung::Rate, "", "38400", 0, "~             0  38400 baud"}));

TEST(Leitungslog, ALongReplyKeepsItsStartAndLength) {
  Leitungslog log;
  log.Aufzeichnen(Leitungsrichtung::Empfangen, "BDR", std::string(600, 'A'), 0);
  EXPECT_EQ(
      LeitungszeileOhneZeit(log[0]),
      "<  BDR        0  " + std::string(Leitungslog::kBytesHoechstens, 'A') + "... (600 bytes)");
}

TEST(Leitungslog, ListenersHearEveryEntryWhileSubscribed) {
  Leitungslog log;
  int gehoert = 0;
  {
    auto abo = log.Abonnieren([&] { ++gehoert; });
    log.Aufzeichnen(Leitungsrichtung::Gesendet, "IDR", "#1IDR\r", 0);
    log.Leeren();
  }
  log.Aufzeichnen(Leitungsrichtung::Gesendet, "IDR", "#1IDR\r", 0);
  EXPECT_EQ(gehoert, 2);
}

// ---- against the simulated device ----

struct Fehlerfall {
  const char* name;
  Fault fehler;
  char adresse;
  std::string antwort;  // the line of the exchange's last entry after the code
};

class Austausch : public testing::TestWithParam<Fehlerfall> {};

// Each failing ID read leaves its frame with code 0 and, last, the answer that broke the
// exchange with the code the call returned.
TEST_P(Austausch, AFailedExchangeRecordsItsCode) {
  const Fehlerfall& f = GetParam();
  testsupport::SimMemory sim("1");
  sim.engine().inject(f.fehler);
  Verbindung& v = sim.verbindung();
  char id[32] = {};
  const int code = ZORFYD1_IDLesen(v, sim.port(), f.adresse, id);
  ASSERT_NE(code, 0);
  const Leitungslog& log = v.Log();
  ASSERT_GE(log.Anzahl(), 2u);
  EXPECT_EQ(LeitungszeileOhneZeit(log[0]),
            std::string(">  IDR        0  #") + f.adresse + "IDR<CR>");
  const Leitungseintrag& letzter = log[log.Anzahl() - 1];
  EXPECT_EQ(letzter.richtung, Leitungsrichtung::Empfangen);
  EXPECT_EQ(letzter.ergebnis, code);
  const std::string zeile = LeitungszeileOhneZeit(letzter);
  EXPECT_EQ(zeile.substr(17), f.antwort) << zeile;
}

Fault Fehler(FaultKind art, int laenge = 1) {
  Fault f;
  f.kind = art;
  f.command = "IDR";
  f.length = laenge;
  return f;
}

INSTANTIATE_TEST_SUITE_P(
    Leitungslog, Austausch,
    testing::Values(Fehlerfall{"Nak", Fehler(FaultKind::Nak), '1', "<NAK>"},
                    Fehlerfall{"Can", Fehler(FaultKind::Can), '1', "<CAN>"},
                    Fehlerfall{"Stille", Fehler(FaultKind::Silence), '1', "(nothing)"},
                    Fehlerfall{"KeinGeraet", Fehler(FaultKind::Nak), '5', "(nothing)"},
                    Fehlerfall{"AnderesByte", Fehler(FaultKind::WrongByte), '1', "?"},
                    // The reply comes whole but without its ID: the code is the reading's.
                    Fehlerfall{"Gekuerzt", Fehler(FaultKind::Truncate, 22), '1', "#1<CR>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Leitungslog, AGoodExchangeRecordsFrameAcknowledgementAndReply) {
  testsupport::SimMemory sim("1");
  Verbindung& v = sim.verbindung();
  double wert = 0.0;
  sim.engine().setInput('1', 2, 4.5);
  ASSERT_EQ(ZORFYD1_EingangLesen(v, sim.port(), '1', "e2", &wert), 0);
  std::vector<std::string> zeilen;
  for (std::size_t i = 0; i < v.Log().Anzahl(); ++i)
    zeilen.push_back(LeitungszeileOhneZeit(v.Log()[i]));
  ASSERT_EQ(zeilen.size(), 3u);
  EXPECT_EQ(zeilen[0], ">  V2R        0  #1V2R<CR>");
  EXPECT_EQ(zeilen[1], "<  V2R        0  <ACK>");
  EXPECT_EQ(zeilen[2].substr(0, 19), "<  V2R        0  #1");
}

}  // namespace
