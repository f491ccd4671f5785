// inputs, output and zero against the simulated WUN-2 on a pseudo-terminal: the values in
// the units of the folder's settings file, the log of --watch ended by Ctrl+C, the limit,
// zeroing, and the failures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "Dateihilfen.h"
#include "Programmlauf.h"
#include "SimLeitung.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

using testing::EndsWith;
using testing::HasSubstr;
using testing::StartsWith;

class Direktbefehle : public testing::Test {
 protected:
  void SetUp() override {
    sim.engine.setInput('1', 1, 2.5);
    sim.engine.setInput('1', 2, 5.0);
    sim.engine.setInput('1', 3, 0.0);
    sim.engine.setInput('1', 4, 10.0);
  }
  // A settings file as the program leaves it, input 2 and output 3 scaled to 0..1000 and
  // 0..100 in their units, and these lines of the "direkt" section.
  void Einstellungen(const std::string& direkt, const std::string& weitere = "") {
    std::string konfig = "[konfig]\n";
    for (int i = 0; i < 4; ++i) {
      konfig += "ineinheit" + std::to_string(i) + " = \"" + (i == 1 ? "mbar" : "V") + "\"\n";
      konfig += "outeinheit" + std::to_string(i) + " = \"" + (i == 2 ? "bar" : "V") + "\"\n";
    }
    konfig += "inskalamax1 = 1000\noutskalamax2 = 100\n" + weitere;
    Schreiben(ordner.file("miv3XKurvengenerator.ini"), konfig + "[direkt]\n" + direkt);
  }
  Lauf Starten(std::vector<std::string> argumente, Laufsteuerung steuerung = {}) {
    argumente.push_back("--port=" + sim.pfad());
    steuerung.ordner = ordner.path().string();
    return Miv3x(argumente, {}, steuerung);
  }
  double Ausgang(int n) { return sim.engine.device('1').outputs[static_cast<std::size_t>(n)]; }

  SimLeitung sim;
  testsupport::TempDir ordner;
};

TEST_F(Direktbefehle, InputsAreShownInTheUnitsOfTheSettingsFile) {
  const Lauf standard = Starten({"inputs"});
  EXPECT_EQ(0, standard.status) << standard.fehler;
  EXPECT_EQ("2.500 V\t5.000 V\t0.000 V\t10.000 V\n", standard.aus);

  Einstellungen("");
  sim.engine.withDevice('1', [](sim::Device& d) { d.mode = 0x01; });
  const Lauf skaliert = Starten({"inputs"});
  EXPECT_EQ(0, skaliert.status) << skaliert.fehler;
  EXPECT_EQ("2.500 V\t500.0 mbar\t0.000 V\t-----\n", skaliert.aus);
  EXPECT_EQ("", skaliert.fehler);
}

TEST_F(Direktbefehle, WatchLogsUntilCtrlC) {
  Einstellungen("");
  Laufsteuerung optionen;
  // Ctrl+C after the second record.
  optionen.unterbrechenWenn = [](const std::string& aus) {
    const std::string satz = "\t2.500\t500.0\t0.000\t10.000\t0.000\t0.000\t0.00\t0.000\n";
    const auto erster = aus.find(satz);
    return erster != std::string::npos && aus.find(satz, erster + 1) != std::string::npos;
  };
  const Lauf lauf = Starten({"inputs", "--watch", "0.2"}, optionen);
  EXPECT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_THAT(lauf.aus, StartsWith("\n\nStarted data logging\ninput1: 0.000..10.000 V\n"
                                   "input2: 0.0..1000.0 mbar\n"));
  EXPECT_THAT(
      lauf.aus,
      HasSubstr(
          "output3: 0.00..100.00 bar\noutput4: 0.000..10.000 V\nDate\tTime\tIn1[V]\tIn2[mbar]"));
  EXPECT_THAT(lauf.aus, HasSubstr("\t2.500\t500.0\t0.000\t10.000\t0.000\t0.000\t0.00\t0.000\n"));
  EXPECT_THAT(lauf.aus, EndsWith("\t0.000\nData logging finished\n"));
  EXPECT_EQ("", lauf.fehler);
}

TEST_F(Direktbefehle, WatchAppendsToTheLogFile) {
  const std::string log = ordner.file("log.txt");
  Schreiben(log, "before\n");
  Laufsteuerung optionen;
  optionen.unterbrechenWenn = [&](const std::string&) {
    return Inhalt(log).find("\t10.000\t") != std::string::npos;
  };
  const Lauf lauf = Starten({"inputs", "--watch=1", "--log", log}, optionen);
  EXPECT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ("", lauf.aus);
  EXPECT_THAT(Inhalt(log), StartsWith("before\n\n\nStarted data logging\n"));
  EXPECT_THAT(Inhalt(log), EndsWith("\t0.000\nData logging finished\n"));
}

TEST_F(Direktbefehle, AFailedReadingEndsWatching) {
  sim.engine.inject({sim::FaultKind::Nak, "V3R", 0, 3});
  const Lauf lauf = Starten({"inputs", "--watch", "0.2"});
  EXPECT_EQ(1, lauf.status);
  EXPECT_THAT(lauf.aus, EndsWith("\nError - quit data transfer\n"
                                 "Errormessage (NAK) received from device\n"));
  EXPECT_EQ("Error #402049: Errormessage (NAK) received from device\n", lauf.fehler);
}

TEST_F(Direktbefehle, ALogThatCannotBeOpenedIsAFailure) {
  const Lauf lauf = Starten({"inputs", "--watch", "1", "--log", ordner.file("no/dir/log.txt")});
  EXPECT_EQ(1, lauf.status);
  EXPECT_THAT(lauf.fehler, HasSubstr("308306"));
}

TEST_F(Direktbefehle, ASilentDeviceGivesNoAnswer) {
  const Lauf lauf = Starten({"inputs", "--address", "2"});
  EXPECT_EQ(1, lauf.status);
  EXPECT_EQ("Error #403156: No answer from device\n", lauf.fehler);
}

TEST_F(Direktbefehle, OutputIsHeldByTheLimit) {
  const Lauf frei = Starten({"output", "2", "7.5"});
  EXPECT_EQ(0, frei.status) << frei.fehler;
  EXPECT_EQ("7.500 V\n", frei.aus);
  EXPECT_DOUBLE_EQ(7.5, Ausgang(1));

  const Lauf begrenzt = Starten({"output", "2", "7.5", "--limit", "5"});
  EXPECT_EQ("5.000 V\n", begrenzt.aus);
  EXPECT_DOUBLE_EQ(5.0, Ausgang(1));

  // The settings file's limit holds unless --limit replaces it.
  Einstellungen("grenze3 = 40\n");
  EXPECT_EQ("40.00 bar\n", Starten({"output", "3", "75"}).aus);
  EXPECT_DOUBLE_EQ(4.0, Ausgang(2));
  EXPECT_EQ("75.00 bar\n", Starten({"output", "3", "75", "--limit=80"}).aus);
  EXPECT_DOUBLE_EQ(7.5, Ausgang(2));
  EXPECT_EQ("0.00 bar\n", Starten({"output", "3", "-2"}).aus);
}

TEST_F(Direktbefehle, ZeroSetsThePhysicalZero) {
  Einstellungen("", "outskalamin0 = -5\noutskalamax0 = 5\n");
  sim.engine.withDevice('1', [](sim::Device& d) { d.outputs = {1, 1, 1, 1}; });
  const Lauf lauf = Starten({"zero"});
  EXPECT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ("0.000 V\t0.000 V\t0.00 bar\t0.000 V\n", lauf.aus);
  EXPECT_DOUBLE_EQ(5.0, Ausgang(0));
  EXPECT_DOUBLE_EQ(0.0, Ausgang(1));
}

TEST_F(Direktbefehle, ARefusedOutputIsReported) {
  sim.engine.inject({sim::FaultKind::Can, "V4W"});
  const Lauf lauf = Starten({"zero"});
  EXPECT_EQ(1, lauf.status);
  EXPECT_EQ("Error #405066: Command not possible at the moment (CAN received)\n", lauf.fehler);
  EXPECT_DOUBLE_EQ(0.0, Ausgang(2));
}

struct Falscher {
  std::vector<std::string> argumente;
  const char* grund;
};

class DirektAufruf : public testing::TestWithParam<Falscher> {};

TEST_P(DirektAufruf, IsRefusedWithAReason) {
  auto argumente = GetParam().argumente;
  argumente.push_back("--port=9");
  const Lauf lauf = Miv3x(argumente);
  EXPECT_EQ(2, lauf.status);
  EXPECT_THAT(lauf.fehler, HasSubstr(GetParam().grund));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, DirektAufruf,
    testing::Values(Falscher{{"output", "5", "1"}, "'5' is not an output number (1..4)"},
                    Falscher{{"output", "1"}, "missing output number or value"},
                    Falscher{{"output", "1", "x"}, "'x' is not a number"},
                    Falscher{{"output", "1", "2", "--limit", "nan"}, "'nan' is not a number"},
                    Falscher{{"inputs", "--watch", "0"}, "'0' is not a number of seconds"},
                    Falscher{{"zero", "--watch", "1"}, "not known to 'zero'"}));

}  // namespace
}  // namespace clitest
