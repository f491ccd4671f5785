// id, scan, send, read and ports against the simulated WUN-2 on a real pseudo-terminal:
// what reaches the device's memory, what comes back into the curve file, and the codes of
// device faults with the files already there surviving.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "Dateihilfen.h"
#include "Engine.h"
#include "Programmlauf.h"
#include "PtyRunner.h"
#include "SimLeitung.h"
#include "config/Konfigdatei.h"
#include "config/Konfigsitzung.h"
#include "config/Konfiguration.h"
#include "curves/files/Kurvendatei.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

using testing::HasSubstr;

std::vector<std::uint8_t> Speicher(sim::Engine& engine, int typ, int von, int bis) {
  const auto geraet = engine.device('1');
  const auto& m = typ == 5 ? geraet.memory5 : geraet.memory4;
  return {m.begin() + von, m.begin() + bis};
}

bool Geloescht(const std::vector<std::uint8_t>& speicher) {
  return std::all_of(speicher.begin(), speicher.end(), [](std::uint8_t b) { return b == 0xFF; });
}

std::unique_ptr<curves::Kurvendateiinhalt> Einlesen(const std::string& pfad) {
  auto inhalt = std::make_unique<curves::Kurvendateiinhalt>();
  EXPECT_EQ(0, curves::KurvendateiEinlesen(pfad, true, *inhalt));
  return inhalt;
}

// 0 -> 2047 over five 1 ms units, then back in one: six samples.
const std::vector<curves::Kurvenpunkt> kZweiPunkte = {P(0, 5, 1), P(2047, 1, 1)};
const std::vector<std::uint8_t> kZweiPunkteBild = {
    0x04, 0x3D, 0x10, 0x2B, 0,    0,    0,    0,    0,    0,    0x00, 0x03, 0,    0,   0,
    0,    0,    0,    0x03, 0xE8, 0,    0,    0,    0,    0,    0,    0x01, 0,    0,   0,
    0,    0,    0x00, 0x00, 0x01, 0x99, 0x03, 0x33, 0x04, 0xCC, 0x06, 0x66, 0x07, 0xFF};
const std::vector<curves::Kurvenpunkt> kZweiPunkteGelesen = {
    P(0, 1, 1), P(409, 1, 1), P(819, 1, 1), P(1228, 1, 1), P(1638, 1, 1), P(2047, 1, 1)};

class Geraetebefehle : public testing::Test {
 protected:
  testsupport::TempDir ordner;
};

// ---- id and scan ----

TEST_F(Geraetebefehle, IdReadsTheChosenAddress) {
  SimLeitung sim("13");
  sim.engine.setId('3', "ZOR-MIV3AX OTHER 2.0");
  const Lauf eins = Miv3x({"id", "--port", sim.pfad()});
  EXPECT_EQ(0, eins.status) << eins.fehler;
  EXPECT_EQ("ZOR-MIV3AXWUN-2V1.30\n", eins.aus);
  EXPECT_EQ("", eins.fehler);
  const Lauf drei = Miv3x({"id", "--port=" + sim.pfad(), "--address=3"});
  EXPECT_EQ(0, drei.status) << drei.fehler;
  EXPECT_EQ("ZOR-MIV3AXOTHER2.0\n", drei.aus);
  EXPECT_EQ((std::vector<std::string>{"#1IDR", "#3IDR"}), [&] {
    std::vector<std::string> frames;
    for (auto f : sim.engine.frames()) frames.push_back(f.substr(0, f.find('\r')));
    return frames;
  }());

  const Lauf stumm = Miv3x({"id", "--port", sim.pfad(), "--address", "2"});
  EXPECT_EQ(1, stumm.status);
  EXPECT_EQ("", stumm.aus);
  EXPECT_EQ("Error #403012: No answer from device\n", stumm.fehler);
}

TEST_F(Geraetebefehle, ScanListsWhatEachAddressAnswered) {
  SimLeitung sim("1234567");
  sim.engine.setId('3', "ACME 4711");
  sim.engine.setId('6', "ZOR-MIV3AX SECOND");
  const Lauf lauf = Miv3x({"scan", "--port", sim.pfad()});
  EXPECT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ(
      "1: WUN-2 found, ID ZOR-MIV3AXWUN-2V1.30\n"
      "2: WUN-2 found, ID ZOR-MIV3AXWUN-2V1.30\n"
      "3: device answer, but device is no WUN-2, ID ACME4711\n"
      "4: WUN-2 found, ID ZOR-MIV3AXWUN-2V1.30\n"
      "5: WUN-2 found, ID ZOR-MIV3AXWUN-2V1.30\n"
      "6: WUN-2 found, ID ZOR-MIV3AXSECOND\n"
      "7: WUN-2 found, ID ZOR-MIV3AXWUN-2V1.30\n"
      "8: no device found\n",
      lauf.aus);
  EXPECT_EQ("", lauf.fehler);
}

TEST_F(Geraetebefehle, APortThatCannotBeOpenedIsReported) {
  const Lauf pfad = Miv3x({"id", "--port", ordner.file("no-such-tty")});
  EXPECT_EQ(1, pfad.status);
  EXPECT_EQ("Error #100003: Error opening com-port\n", pfad.fehler);
  // A number the system does not have (and an empty link folder).
  const Lauf nummer =
      Miv3x({"scan", "--port", "250"}, {false, {"MIV3X_PORT_DIR=" + ordner.file("")}});
  EXPECT_EQ(1, nummer.status);
  EXPECT_EQ("Error #100003: Error opening com-port\n", nummer.fehler);
  EXPECT_EQ("", nummer.aus);
}

TEST_F(Geraetebefehle, PortsListsALinkedPortAndItsNumberOpensIt) {
  SimLeitung sim;
  const std::string links = ordner.file("ports");
  std::filesystem::create_directory(links);
  std::filesystem::create_symlink(sim.pfad(), links + "/COM42");
  const Laufoptionen mitLinks{false, {"MIV3X_PORT_DIR=" + links}};
  const Lauf liste = Miv3x({"ports"}, mitLinks);
  EXPECT_EQ(0, liste.status);
  EXPECT_THAT(liste.aus,
              HasSubstr("COM 42\t" + std::filesystem::canonical(sim.pfad()).string() + "\n"));
  const Lauf id = Miv3x({"id", "--port", "42"}, mitLinks);
  EXPECT_EQ(0, id.status) << id.fehler;
  EXPECT_EQ("ZOR-MIV3AXWUN-2V1.30\n", id.aus);
  // The link folder is the user's: a device path given directly leaves it as it was.
  ASSERT_EQ(0, Miv3x({"id", "--port", sim.pfad()}, mitLinks).status);
  EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(links),
                             std::filesystem::directory_iterator()));
}

// ---- send and read ----

TEST_F(Geraetebefehle, SendThenReadBackGivesOnePointPerSample) {
  SimLeitung sim;
  const std::string kurve = ordner.file("zwei.wur");
  KurvendateiAnlegen(kurve, kZweiPunkte, 3, 1000);
  const Lauf senden = Miv3x({"send", kurve, "--port", sim.pfad()});
  ASSERT_EQ(0, senden.status) << senden.fehler;
  EXPECT_EQ("", senden.fehler);  // no terminal: no progress bar
  EXPECT_EQ("", senden.aus);
  EXPECT_EQ(kZweiPunkteBild, Speicher(sim.engine, 4, 4096, 4140));
  EXPECT_TRUE(Geloescht(Speicher(sim.engine, 4, 4140, 65536)));
  EXPECT_TRUE(Geloescht(Speicher(sim.engine, 4, 0, 4096)));
  EXPECT_TRUE(Geloescht(Speicher(sim.engine, 5, 0, 65536)));

  const std::string zurueck = ordner.file("zurueck.wur");
  const Lauf lesen = Miv3x({"read", zurueck, "--port", sim.pfad()});
  ASSERT_EQ(0, lesen.status) << lesen.fehler;
  EXPECT_EQ("", lesen.fehler);
  const auto inhalt = Einlesen(zurueck);
  EXPECT_TRUE(Gleich(kZweiPunkteGelesen, inhalt->punkte[0])) << Text(inhalt->punkte[0]);
  EXPECT_EQ(3, inhalt->kopf.Zyklen[0]);
  EXPECT_EQ(1000, inhalt->kopf.Ruhezustand[0]);
  for (int c = 1; c < 4; ++c) EXPECT_TRUE(Gleich({P(0, 1, 4)}, inhalt->punkte[c]));
  EXPECT_EQ(
      1, config::KonfigurationenVergleichen(inhalt->kopf.Konfig, config::KonfigurationStandard()));
}

TEST_F(Geraetebefehle, DitherGoesToMemoryType5AtTheChosenAddress) {
  SimLeitung sim("14");
  const std::string kurve = ordner.file("zwei.wur");
  KurvendateiAnlegen(kurve, kZweiPunkte, 3, 1000);
  ASSERT_EQ(0, Miv3x({"send", kurve, "--port", sim.pfad(), "--dither", "--address", "4"}).status);
  const auto vier = sim.engine.device('4');
  EXPECT_EQ(kZweiPunkteBild,
            std::vector<std::uint8_t>(vier.memory5.begin() + 4096, vier.memory5.begin() + 4140));
  EXPECT_TRUE(Geloescht(vier.memory4));
  EXPECT_TRUE(Geloescht(sim.engine.device('1').memory5));

  const std::string zurueck = ordner.file("dither.wur");
  const Lauf lesen = Miv3x({"read", zurueck, "--dither", "--address", "4", "--port", sim.pfad()});
  ASSERT_EQ(0, lesen.status) << lesen.fehler;
  EXPECT_TRUE(Gleich(kZweiPunkteGelesen, Einlesen(zurueck)->punkte[0]));
}

TEST_F(Geraetebefehle, ReadCarriesTheNamedConfiguration) {
  SimLeitung sim;
  const std::string kurve = ordner.file("zwei.wur");
  KurvendateiAnlegen(kurve, kZweiPunkte);
  ASSERT_EQ(0, Miv3x({"send", kurve, "--port", sim.pfad()}).status);
  config::Konfigsitzung konfig;  // the configuration file's record
  konfig.gKonfig.outskalamax[0] = 6.1425;
  const std::string wuo = ordner.file("k.wuo");
  ASSERT_EQ(0, config::KonfigdateiSpeichernNach(konfig, wuo));
  const std::string zurueck = ordner.file("zurueck.wur");
  ASSERT_EQ(0, Miv3x({"read", zurueck, "--port", sim.pfad(), "--config", wuo}).status);
  EXPECT_EQ(6.1425, Einlesen(zurueck)->kopf.Konfig.outskalamax[0]);

  // A bad configuration file stops the read before the device is asked.
  sim.engine.clearFrames();
  const std::string falsch = ordner.file("falsch.wur");
  const Lauf lauf = Miv3x({"read", falsch, "--port", sim.pfad(), "--config", kurve});
  EXPECT_EQ(1, lauf.status);
  EXPECT_EQ("Error #1021265: File is not a WUN-2 Configurationfile.\n", lauf.fehler);
  EXPECT_FALSE(Existiert(falsch));
  EXPECT_TRUE(sim.engine.frames().empty());
  // Nor may the configuration file be the output.
  const Lauf selbst = Miv3x({"read", wuo, "--port", sim.pfad(), "--config", wuo});
  EXPECT_EQ(2, selbst.status);
  EXPECT_EQ(392u, Inhalt(wuo).size());
}

TEST_F(Geraetebefehle, UnequalLengthsAreWarnedAboutAndSentAnyway) {
  SimLeitung sim;
  const std::string kurve = ordner.file("ungleich.wur");
  // Curve 1 lasts 12 ms, curve 2 30 ms.
  KurvendateiAnlegen(kurve, {P(0, 2, 1), P(4000, 10, 1)}, 0, 0, {P(0, 1, 4), P(100, 2, 4)});
  const Lauf lauf = Miv3x({"send", kurve, "--port", sim.pfad()});
  EXPECT_EQ(0, lauf.status);
  EXPECT_EQ(
      "Warning: Curves do not have the same length. They will not be syncron.\n"
      "  Curve 1: 0.01200 sec\n"
      "  Curve 2: 0.03000 sec\n",
      lauf.fehler);
  EXPECT_EQ(std::vector<std::uint8_t>({0x00, 0x00}), Speicher(sim.engine, 4, 4128, 4130));
}

TEST_F(Geraetebefehle, ACurveTooLongForTheMemoryIsNotSent) {
  SimLeitung sim;
  const std::string kurve = ordner.file("lang.wur");
  KurvendateiAnlegen(kurve, {P(0, 30000, 4), P(4095, 705, 4)});
  const Lauf lauf = Miv3x({"send", kurve, "--port", sim.pfad()});
  EXPECT_EQ(1, lauf.status);
  EXPECT_EQ("Error #1023465: Not enought memory in the MIV-3X.\n", lauf.fehler);
  EXPECT_TRUE(sim.engine.frames().empty());
  EXPECT_TRUE(Geloescht(Speicher(sim.engine, 4, 0, 65536)));
}

TEST_F(Geraetebefehle, ADamagedCurveFileIsNotSent) {
  SimLeitung sim;
  const std::string kurve = ordner.file("kaputt.wur");
  KurvendateiAnlegen(kurve, kZweiPunkte);
  Schreiben(kurve, Inhalt(kurve).substr(0, 4000));
  const Lauf lauf = Miv3x({"send", kurve, "--port", sim.pfad()});
  EXPECT_EQ(1, lauf.status);
  EXPECT_EQ("Error #304436: Error reading from file\n", lauf.fehler);
  EXPECT_TRUE(sim.engine.frames().empty());
}

struct Geraetefehler {
  std::string name;
  sim::Fault fehler;
  std::string zeile;
};

TEST_F(Geraetebefehle, DeviceFaultsDuringSendGiveTheirCode) {
  const std::vector<Geraetefehler> faelle = {
      {"NAK",
       {sim::FaultKind::Nak, "BDW"},
       "Error #402127: Errormessage (NAK) received from device"},
      {"CAN",
       {sim::FaultKind::Can, "BDW"},
       "Error #405128: Command not possible at the moment (CAN received)"},
      {"silence", {sim::FaultKind::Silence, "BDW"}, "Error #403129: No answer from device"},
      {"other byte", {sim::FaultKind::WrongByte, "BDW"}, "Error #404130: Wrong answer from device"},
  };
  const std::string kurve = ordner.file("zwei.wur");
  KurvendateiAnlegen(kurve, kZweiPunkte);
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    SimLeitung sim;
    sim.engine.inject(fall.fehler);
    const Lauf lauf = Miv3x({"send", kurve, "--port", sim.pfad()});
    EXPECT_EQ(1, lauf.status);
    EXPECT_EQ(fall.zeile + "\n", lauf.fehler);
    EXPECT_TRUE(Geloescht(Speicher(sim.engine, 4, 0, 65536)));
  }
}

TEST_F(Geraetebefehle, FailedReadsGiveTheirCodeAndKeepTheEarlierFile) {
  const std::string kurve = ordner.file("zwei.wur");
  KurvendateiAnlegen(kurve, kZweiPunkte);
  const std::string ziel = ordner.file("ziel.wur");
  KurvendateiAnlegen(ziel, {P(1234, 56, 7)});
  const std::string vorher = Inhalt(ziel);
  const std::string neu = ordner.file("neu.wur");

  const std::vector<Geraetefehler> faelle = {
      {"NAK on the header",
       {sim::FaultKind::Nak, "BDR"},
       "Error #402099: Errormessage (NAK) received from device"},
      {"silence on the samples",
       {sim::FaultKind::Silence, "BDR", 0, 2},
       "Error #403101: No answer from device"},
      {"line checksum",
       {sim::FaultKind::WrongChecksum, "BDR"},
       "Error #406114: Checksumm error at transmission"},
      {"garbled reply",
       {sim::FaultKind::Garble, "BDR", 0, 0, '#', 3},
       "Error #404107: Wrong answer from device"},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    SimLeitung sim;
    ASSERT_EQ(0, Miv3x({"send", kurve, "--port", sim.pfad()}).status);
    sim.engine.inject(fall.fehler);
    const Lauf lauf = Miv3x({"read", ziel, "--port", sim.pfad()});
    EXPECT_EQ(1, lauf.status);
    EXPECT_EQ(fall.zeile + "\n", lauf.fehler);
    EXPECT_EQ(vorher, Inhalt(ziel));
  }

  SimLeitung sim;
  ASSERT_EQ(0, Miv3x({"send", kurve, "--port", sim.pfad()}).status);
  // A sample changed in the device memory: the image's checksum no longer fits.
  sim.engine.withDevice('1', [](sim::Device& d) { d.memory4[4131] ^= 0x01; });
  const Lauf pruefsumme = Miv3x({"read", ziel, "--port", sim.pfad()});
  EXPECT_EQ(1, pruefsumme.status);
  EXPECT_EQ("Error #897407: Checksummerror in EEPROM memory.\n", pruefsumme.fehler);
  EXPECT_EQ(vorher, Inhalt(ziel));
  // No samples at all: last address 4127.
  sim.engine.withDevice('1', [](sim::Device& d) {
    d.memory4[4098] = 0x10;
    d.memory4[4099] = 0x1F;
  });
  const Lauf leer = Miv3x({"read", neu, "--port", sim.pfad()});
  EXPECT_EQ(1, leer.status);
  EXPECT_EQ("Error #1019472: memory content incorect.\n", leer.fehler);
  EXPECT_FALSE(Existiert(neu));
  // A read into a folder that is not there fails on saving.
  sim.engine.withDevice('1', [](sim::Device& d) {
    d.memory4[4099] = 0x2B;
    d.memory4[4131] ^= 0x01;
  });
  const Lauf ordnerFehlt = Miv3x({"read", ordner.file("fehlt/neu.wur"), "--port", sim.pfad()});
  EXPECT_EQ(1, ordnerFehlt.status);
  EXPECT_EQ("Error #308432: Error opening file\n", ordnerFehlt.fehler);
}

// ---- the progress bar ----

TEST_F(Geraetebefehle, TransfersDrawAProgressBarOnATerminalOnly) {
  SimLeitung sim;
  const std::string kurve = ordner.file("lang.wur");
  // 400 samples: 832 bytes, 13 blocks.
  KurvendateiAnlegen(kurve, {P(0, 300, 4), P(4095, 100, 4)});
  const Lauf senden = Miv3x({"send", kurve, "--port", sim.pfad()}, {true, {}});
  ASSERT_EQ(0, senden.status) << senden.fehler;
  EXPECT_THAT(senden.fehler, HasSubstr("\rSend data [" + std::string(30, '#') + "] 100%"));
  EXPECT_THAT(senden.fehler, HasSubstr("\rSend data [##      "));  // an early step
  // Bytes on the line (frames and acknowledgements), their rate and the time left.
  EXPECT_THAT(senden.fehler,
              testing::ContainsRegex("100%  [0-9.]+ kB  [0-9.]+ [k]?B/s  0:00 left"));
  EXPECT_EQ(std::string::npos, senden.fehler.find("Read data"));

  const std::string zurueck = ordner.file("zurueck.wur");
  const Lauf lesen = Miv3x({"read", zurueck, "--port", sim.pfad()}, {true, {}});
  ASSERT_EQ(0, lesen.status) << lesen.fehler;
  EXPECT_THAT(lesen.fehler, HasSubstr("\rRead data [" + std::string(30, '#') + "] 100%"));
  EXPECT_EQ(400u, Einlesen(zurueck)->punkte[0].size());

  // The same read without a terminal: nothing on standard error.
  const Lauf still = Miv3x({"read", zurueck, "--port", sim.pfad()});
  EXPECT_EQ(0, still.status);
  EXPECT_EQ("", still.fehler);
}

}  // namespace
}  // namespace clitest
