// stats, start, stop, status and mode, and the --json output of every command that prints
// data, run as the real program against files in temporary folders and the simulated
// WUN-2 on a pseudo-terminal. The JSON is parsed, not compared as text.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "Dateihilfen.h"
#include "Programmlauf.h"
#include "SimLeitung.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

using nlohmann::json;
using testing::HasSubstr;
using testing::StartsWith;

// Four 1 ms samples 0, 100, 200, 300, then two 250 us samples 400, 200: 4.5 ms.
const std::vector<curves::Kurvenpunkt> kTreppe = {P(0, 4, 1), P(400, 2, 9)};
// The standard scaling: a code is 10/4095 V.
constexpr double kVolt = 10.0 / 4095.0;

json Json(const std::string& text) {
  json j = json::parse(text, nullptr, false);
  EXPECT_FALSE(j.is_discarded()) << text;
  return j;
}

struct Statistikfall {
  std::vector<std::string> bereich;
  double dauer;
  int punkte;
  double prozent;
  double min, max, mittel;  // codes
};

class Statistik : public testing::TestWithParam<Statistikfall> {
 protected:
  testsupport::TempDir ordner;
};

TEST_P(Statistik, JsonOfTheHeldOutput) {
  const auto& f = GetParam();
  const std::string datei = ordner.file("k.wur");
  // Curve 2 carries the staircase; curve 1 is something else entirely.
  KurvendateiAnlegen(datei, {P(4095, 7, 8)}, 0, 0, kTreppe);
  std::vector<std::string> argumente = {"stats", datei, "--curve", "2", "--json"};
  argumente.insert(argumente.end(), f.bereich.begin(), f.bereich.end());
  const Lauf lauf = Miv3x(argumente);
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  const json j = Json(lauf.aus);
  EXPECT_NEAR(j["duration_s"].get<double>(), f.dauer, 1e-12);
  EXPECT_EQ(j["points"].get<int>(), f.punkte);
  EXPECT_NEAR(j["memory_percent"].get<double>(), f.prozent, 1e-9);
  EXPECT_NEAR(j["min"].get<double>(), f.min * kVolt, 1e-9);
  EXPECT_NEAR(j["max"].get<double>(), f.max * kVolt, 1e-9);
  EXPECT_NEAR(j["mean"].get<double>(), f.mittel * kVolt, 1e-9);
  EXPECT_GE(j["rms"].get<double>(), j["mean"].get<double>());
  EXPECT_EQ(j["unit"], "V");
}

INSTANTIATE_TEST_SUITE_P(
    Treppe, Statistik,
    testing::Values(Statistikfall{{}, 0.0045, 2, 44 / 614.4, 0, 400, 750000 / 4500.0},
                    // From inside a 1 ms sample to inside a 250 us one.
                    Statistikfall{{"--from", "1.5ms", "--to", "4250us"},
                                  0.00275,
                                  1,
                                  6 / 614.4,
                                  100,
                                  400,
                                  650000 / 2750.0}));

TEST(StatistikText, PrintsTheRangeAndValuesInTheUnit) {
  testsupport::TempDir ordner;
  const std::string datei = ordner.file("k.wur");
  KurvendateiAnlegen(datei, kTreppe);
  const Lauf lauf = Miv3x({"stats", datei, "--from", "4ms", "--to", "4.5ms"});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_THAT(lauf.aus, HasSubstr("duration: 500 us\npoints: 1\nmemory: 4 bytes"));
  EXPECT_THAT(lauf.aus, HasSubstr("max: 0.976801 V"));  // code 400
}

TEST(StatistikText, BadRangesAndFilesAreClearErrors) {
  testsupport::TempDir ordner;
  const std::string datei = ordner.file("k.wur");
  KurvendateiAnlegen(datei, kTreppe);
  const std::vector<std::pair<std::vector<std::string>, std::string>> faelle = {
      {{"--from", "1ms"}, "--from and --to go together"},
      {{"--from", "1ms", "--to", "5ms"}, "--to '5ms' is outside the curve (0 to 4.5 ms)"},
      {{"--from", "3ms", "--to", "2ms"}, "--to lies before --from"},
      {{"--from", "1", "--to", "2ms"}, "--from '1' needs a unit"},
      {{"--curve", "5"}, "'5' is not a curve number"},
  };
  for (const auto& [bereich, grund] : faelle) {
    std::vector<std::string> argumente = {"stats", datei};
    argumente.insert(argumente.end(), bereich.begin(), bereich.end());
    const Lauf lauf = Miv3x(argumente);
    EXPECT_EQ(2, lauf.status);
    EXPECT_THAT(lauf.fehler, StartsWith("miv3x: " + grund));
    EXPECT_EQ("", lauf.aus);
  }
  const Lauf fehlt = Miv3x({"stats", ordner.file("fehlt.wur"), "--json"});
  EXPECT_EQ(1, fehlt.status);
  const json j = Json(fehlt.fehler);
  EXPECT_LT(j["error"].get<int>(), 0);
  EXPECT_FALSE(j["message"].get<std::string>().empty());
  EXPECT_EQ("", fehlt.aus);
}

// ---- the device's controls ----

class Steuerung : public testing::Test {
 protected:
  SimLeitung sim{"13"};
  sim::Device Geraet(char a = '1') { return sim.engine.device(a); }
};

TEST_F(Steuerung, StartAndStopTheCurveOutput) {
  ASSERT_EQ(0, Miv3x({"start", "--port", sim.pfad(), "--address", "3"}).status);
  EXPECT_TRUE(Geraet('3').running);
  EXPECT_FALSE(Geraet('1').running);
  const Lauf stopp = Miv3x({"stop", "--port", sim.pfad(), "--address", "3"});
  EXPECT_EQ(0, stopp.status);
  EXPECT_EQ("", stopp.aus + stopp.fehler);
  EXPECT_FALSE(Geraet('3').running);
  const Lauf still = Miv3x({"start", "--port", sim.pfad(), "--address", "5"});
  EXPECT_EQ(1, still.status);
  EXPECT_EQ("Error #403041: No answer from device\n", still.fehler);
}

TEST_F(Steuerung, StatusExplainsErrorAndModeBits) {
  sim.engine.withDevice('1', [](sim::Device& d) {
    d.status2 = 0x05;
    d.mode = 0x01;
    d.maxCurrent = 8;
  });
  const Lauf lauf = Miv3x({"status", "--port", sim.pfad(), "--json"});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  const json j = Json(lauf.aus);
  EXPECT_EQ(j["status2"], 5);
  EXPECT_EQ(j["error_bits"], json({"Memory error", "Eeprom not ready"}));
  EXPECT_EQ(j["mode"], 1);
  EXPECT_EQ(j["mode_bits"][0], "input 4 is the start/stop signal");
  EXPECT_EQ(j["parameters"]["max_current"], 8.0);
  EXPECT_EQ(j["parameters"]["compartibility_mode"], 0.0);
  // This device answers "#aS1R" and "#aM1R" in their other forms.
  EXPECT_TRUE(j["status1"].is_null());
  EXPECT_TRUE(j["parameters"]["speicherinhalt"].is_null());

  const Lauf text = Miv3x({"status", "--port", sim.pfad()});
  ASSERT_EQ(0, text.status) << text.fehler;
  EXPECT_THAT(text.aus, HasSubstr("status register 2: $05\n  Memory error\n  Eeprom not ready\n"));
  EXPECT_THAT(text.aus, HasSubstr("max_current: 8\n"));
}

TEST_F(Steuerung, StatusOfTheOtherFormsAndAFailure) {
  sim.engine.withDevice('1', [](sim::Device& d) {
    d.m1rAsSpeicherinhalt = true;
    d.s1rAsStatus = true;
    d.status1 = 0x80;
    d.speicherinhalt = 42;
  });
  const json j = Json(Miv3x({"status", "--port", sim.pfad(), "--json"}).aus);
  EXPECT_EQ(j["status1"], 0x80);
  EXPECT_EQ(j["parameters"]["speicherinhalt"], 42.0);
  EXPECT_TRUE(j["mode"].is_null());
  EXPECT_TRUE(j["parameters"]["compartibility_mode"].is_null());

  sim.engine.inject({sim::FaultKind::Nak, "S2R"});
  const Lauf nak = Miv3x({"status", "--port", sim.pfad(), "--json"});
  EXPECT_EQ(1, nak.status);
  EXPECT_EQ(Json(nak.fehler)["error"], -402140);
  EXPECT_TRUE(Json(nak.aus)["status2"].is_null());
}

TEST_F(Steuerung, ModeSetsAndClearsBits) {
  const Lauf setzen = Miv3x({"mode", "--port", sim.pfad(), "--set", "0x07", "--json"});
  ASSERT_EQ(0, setzen.status) << setzen.fehler;
  EXPECT_EQ(Json(setzen.aus)["mode"], 7);
  const Lauf loeschen = Miv3x({"mode", "--port", sim.pfad(), "--clear", "5"});
  ASSERT_EQ(0, loeschen.status) << loeschen.fehler;
  EXPECT_EQ(2, Geraet().mode);
  EXPECT_THAT(loeschen.aus, StartsWith("mode register: $02\n  input 4 is an analog input\n"
                                       "  characteristic slots marked valid\n"));
  for (const auto& [argumente, grund] :
       std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"--set", "256"}, "'256' is not a bit mask"},
           {{"--set", "1", "--clear", "3"}, "--set and --clear name the same bit"}}) {
    std::vector<std::string> zeile = {"mode", "--port", sim.pfad()};
    zeile.insert(zeile.end(), argumente.begin(), argumente.end());
    const Lauf lauf = Miv3x(zeile);
    EXPECT_EQ(2, lauf.status);
    EXPECT_THAT(lauf.fehler, StartsWith("miv3x: " + grund));
  }
  EXPECT_EQ(2, Geraet().mode);
}

// ---- --json of the commands that printed text before ----

TEST_F(Steuerung, JsonOfIdScanInputsAndImage) {
  sim.engine.setId('3', "OTHER-DEVICE");
  EXPECT_EQ(Json(Miv3x({"id", "--port", sim.pfad(), "--json"}).aus)["id"], "ZOR-MIV3AXWUN-2V1.30");
  const json suche = Json(Miv3x({"scan", "--port", sim.pfad(), "--json"}).aus);
  EXPECT_EQ(suche["found"], json({"1", "3"}));
  EXPECT_EQ(suche["ids"]["3"], "OTHER-DEVICE");

  sim.engine.setInput('1', 2, 2.5);
  const json eingaenge = Json(Miv3x({"inputs", "--port", sim.pfad(), "--json"}).aus);
  ASSERT_EQ(eingaenge["inputs"].size(), 4u);
  EXPECT_NEAR(eingaenge["inputs"][1].get<double>(), 2.5, 0.01);
  EXPECT_EQ(eingaenge["unit"][0], "V");

  const Lauf stumm = Miv3x({"id", "--port", sim.pfad(), "--address", "2", "--json"});
  EXPECT_EQ(1, stumm.status);
  EXPECT_EQ(Json(stumm.fehler)["error"], -403012);

  testsupport::TempDir ordner;
  const std::string datei = ordner.file("k.wur");
  KurvendateiAnlegen(datei, kTreppe);
  const json bild = Json(Miv3x({"image", datei, "--json"}).aus);
  EXPECT_EQ(bild["bytes"], 44);
  EXPECT_EQ(bild["samples"], 6);
  EXPECT_EQ(bild["end"], 4096 + 43);
}

TEST(Hilfe, EveryCommandOfTheListAnswersHelp) {
  const Lauf werkzeug = Miv3x({"--help"});
  const std::string& text = werkzeug.aus;
  const auto anfang = text.find("Commands:\n");
  ASSERT_NE(std::string::npos, anfang);
  std::istringstream zeilen(text.substr(anfang + 10, text.find("\n\n", anfang) - anfang - 10));
  int befehle = 0;
  for (std::string zeile; std::getline(zeilen, zeile);) {
    std::istringstream woerter(zeile);
    std::string befehl;
    woerter >> befehl;
    SCOPED_TRACE(befehl);
    const Lauf lauf = Miv3x({befehl, "--help"});
    EXPECT_EQ(0, lauf.status);
    EXPECT_THAT(lauf.aus, testing::ContainsRegex("^usage: miv3x " + befehl + "[ \n]"));
    ++befehle;
  }
  EXPECT_GE(befehle, 20);
}

}  // namespace
}  // namespace clitest
