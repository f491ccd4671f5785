// shape on real files in a temporary folder: a new curve file, a range replaced in an
// existing one, and every refused call with its message, the files already there
// surviving.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Dateihilfen.h"
#include "Programmlauf.h"
#include "config/Konfigdatei.h"
#include "config/Konfigsitzung.h"
#include "config/Konfiguration.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

using testing::HasSubstr;
using testing::MatchesRegex;

class Formbefehl : public testing::Test {
 protected:
  testsupport::TempDir ordner;
};

double Dauer(const std::vector<curves::Kurvenpunkt>& punkte) {
  double t = 0.0;
  for (const auto& p : punkte) t += curves::Geradendauer(p);
  return t;
}

TEST_F(Formbefehl, SineAsANewCurveFileWithItsReport) {
  const std::string aus = ordner.file("s.wur");
  const Lauf lauf = Miv3x(
      {"shape", "sine", "offset=5V", "amplitude=4V", "period=20ms", "periods=3", "--out", aus});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ("", lauf.fehler);
  const auto punkte = Kurvenpunkte(aus, 0);
  ASSERT_GT(punkte.size(), 3u);
  EXPECT_THAT(lauf.aus, MatchesRegex("points: " + std::to_string(punkte.size()) +
                                     "\nlargest error: 0\\.[0-9][0-9] codes\n"
                                     "memory: [0-9]+ bytes \\([0-9.]+% of 61440\\)\n"));
  // 5 V is half of the standard 10 V; three whole periods close onto the start.
  EXPECT_EQ(2048, punkte[0].Y);
  EXPECT_EQ(60000.0, Dauer(punkte));
  for (int c = 1; c < 4; ++c) EXPECT_TRUE(Gleich(Kurvenpunkte(aus, c), {P(0, 1, 4)}));
}

TEST_F(Formbefehl, LevelsTakeTheUnitOfTheConfigurationItCarries) {
  config::Konfigsitzung konfig;  // the configuration file's record
  konfig.gKonfig.outskalamax[0] = 100.0;
  config::EinheitSetzen(konfig.gKonfig.outeinheit[0], "%");
  const std::string wuo = ordner.file("prozent.wuo");
  ASSERT_EQ(0, config::KonfigdateiSpeichernNach(konfig, wuo));
  config::KonfigurationStandardwerte(konfig);
  const std::string aus = ordner.file("p.wur");
  const Lauf lauf = Miv3x({"shape", "pulse", "low=0%", "high=50%", "width=1ms", "period=2ms",
                           "count=2", "--out", aus, "--config", wuo});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_THAT(lauf.aus, HasSubstr("points: 4\n"));
  EXPECT_TRUE(Gleich(Kurvenpunkte(aus, 0), {P(2048, 1, 1), P(0, 1, 1), P(2048, 1, 1), P(0, 1, 1)}))
      << Text(Kurvenpunkte(aus, 0));
}

TEST_F(Formbefehl, IntoReplacesARangeOfACurveAndKeepsTheRest) {
  const std::string datei = ordner.file("k.wur");
  const std::vector<curves::Kurvenpunkt> kurve2 = {P(100, 10, 4), P(200, 10, 4), P(300, 10, 4)};
  KurvendateiAnlegen(datei, {P(7, 2, 1)}, 0, 0, kurve2);
  const std::string vorher = Inhalt(datei);

  // With --out the result goes there and the file itself stays.
  const std::string neu = ordner.file("neu.wur");
  const Lauf lauf = Miv3x({"shape", "ramp", "from=1000", "to=2000", "time=30ms", "--raw", "--into",
                           datei, "--from", "100ms", "--to", "0.2s", "--curve", "2", "--out", neu});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_THAT(lauf.aus, HasSubstr("points: 2\n"));
  EXPECT_EQ(vorher, Inhalt(datei));
  // 1000 codes in 30 ms: no base keeps to one code a step, so 250 us takes the ramp.
  EXPECT_TRUE(
      Gleich(Kurvenpunkte(neu, 1), {P(100, 10, 4), P(1000, 120, 9), P(2000, 1, 9), P(300, 10, 4)}))
      << Text(Kurvenpunkte(neu, 1));
  EXPECT_TRUE(Gleich(Kurvenpunkte(neu, 0), {P(7, 2, 1)}));

  // Without --out the file is rewritten; without --to the shape goes in at --from.
  ASSERT_EQ(0, Miv3x({"shape", "step", "from=0", "to=9", "time=2ms", "--raw", "--into", datei,
                      "--from", "300ms", "--curve", "2"})
                   .status);
  EXPECT_TRUE(Gleich(Kurvenpunkte(datei, 1),
                     {P(100, 10, 4), P(200, 10, 4), P(300, 10, 4), P(0, 1, 1), P(9, 1, 1)}))
      << Text(Kurvenpunkte(datei, 1));
}

struct Abgelehnt {
  std::vector<std::string> argumente;  // after "shape"; OUT and IN stand for the files
  int status;
  std::string meldung;  // part of standard error
};

TEST_F(Formbefehl, RefusedCallsSayWhyAndLeaveTheFiles) {
  const std::string aus = ordner.file("aus.wur");
  const std::string ein = ordner.file("ein.wur");
  KurvendateiAnlegen(aus, {P(1, 1, 4)});
  KurvendateiAnlegen(ein, {P(100, 10, 4), P(200, 10, 4)});
  const std::string ausVorher = Inhalt(aus), einVorher = Inhalt(ein);
  const std::vector<Abgelehnt> faelle = {
      {{"square", "low=0", "--out", "OUT"}, 1, "unknown shape 'square'"},
      {{"ramp", "from=0", "to", "time=1s", "--out", "OUT"}, 2, "'to' is not NAME=VALUE"},
      {{"ramp", "from=0", "to=1", "time=1s"}, 2, "'shape' needs --out or --into"},
      {{"--out", "OUT"}, 2, "missing shape kind"},
      {{"ramp", "from=0", "to=1", "time=1s", "--out", "OUT", "--from", "1s"},
       2,
       "belong to --into"},
      {{"ramp", "from=0", "to=1", "time=1s", "--into", "IN"}, 2, "--into needs --from"},
      {{"ramp", "from=0", "to=1", "time=1s", "--into", "IN", "--from", "5"},
       2,
       "--from '5' needs a unit"},
      {{"ramp", "from=0", "to=1", "time=1s", "--out", "OUT", "--max-error", "0.2"},
       2,
       "at least 0.5 codes"},
      {{"ramp", "from=0", "to=1", "time=1s", "--into", "IN", "--from", "0s", "--curve", "5"},
       2,
       "not a curve number"},
      {{"ramp", "from=0mA", "to=1", "time=1s", "--out", "OUT"}, 1, "Error #401494"},
      {{"ramp", "from=0", "to=1", "time=1.1ms", "--out", "OUT"}, 1, "not a whole number of 250 us"},
      {{"formula", "expr=2*(t", "time=1s", "--out", "OUT"}, 1, "Error #505498"},
      {{"pulse", "low=0", "high=1", "width=5ms", "period=10ms", "count=20000", "--out", "OUT"},
       1,
       "needs 80032 bytes of device memory"},
      {{"ramp", "from=0", "to=1", "time=1s", "--into", "IN", "--from", "55ms"},
       1,
       "Error #1010489"},
      {{"ramp", "from=0", "to=1", "time=1s", "--into", "IN", "--from", "0s", "--to", "1s"},
       1,
       "does not lie in the curve"},
      {{"ramp", "from=0", "to=1", "time=1s", "--into", ordner.file("fehlt.wur"), "--from", "0s"},
       1,
       "Error #308435"},
  };
  for (const auto& f : faelle) {
    std::vector<std::string> argumente = {"shape"};
    for (const auto& a : f.argumente) argumente.push_back(a == "OUT" ? aus : a == "IN" ? ein : a);
    const Lauf lauf = Miv3x(argumente);
    SCOPED_TRACE(testing::PrintToString(f.argumente));
    EXPECT_EQ(f.status, lauf.status);
    EXPECT_THAT(lauf.fehler, HasSubstr(f.meldung));
    EXPECT_EQ("", lauf.aus);
    EXPECT_EQ(ausVorher, Inhalt(aus));
    EXPECT_EQ(einVorher, Inhalt(ein));
  }
}

TEST_F(Formbefehl, ClippedLevelsAreWrittenWithAWarning) {
  const std::string aus = ordner.file("r.wur");
  const Lauf lauf = Miv3x({"shape", "ramp", "from=0V", "to=12V", "time=1s", "--out", aus});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_THAT(lauf.fehler, HasSubstr("warning: to=12V is 4914.0 codes, clipped to 4095"));
  EXPECT_TRUE(Gleich(Kurvenpunkte(aus, 0), {P(0, 4000, 9), P(4095, 1, 9)}));
}

TEST_F(Formbefehl, HelpNamesEveryKind) {
  const Lauf lauf = Miv3x({"shape", "--help"});
  ASSERT_EQ(0, lauf.status);
  for (const char* art :
       {"step", "stair", "ramp", "triangle", "trapezoid", "pulse", "sine", "exp", "formula"})
    EXPECT_THAT(lauf.aus, HasSubstr(std::string("\n  ") + art + " "));
}

}  // namespace
}  // namespace clitest
