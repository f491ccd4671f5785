// import-csv, export --pwl and import --pwl on real files: the report, the curve file made,
// the round trip, and every refusal leaving an earlier file as it was.
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
using testing::StartsWith;

class Austauschbefehle : public testing::Test {
 protected:
  testsupport::TempDir ordner;
};

TEST_F(Austauschbefehle, ImportCsvReportsWhatItFoundAndWritesCurve1) {
  const std::string csv = ordner.file("messung.csv");
  Schreiben(csv, "Zeit [ms];U [V]\n0;0\n1;2,5\n2;5\n3;5\n4;5\n5;0\n");
  const std::string wur = ordner.file("messung.wur");
  const Lauf lauf = Miv3x({"import-csv", csv, wur});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_EQ(
      "dialect: separator ';', decimal comma, 1 header row\n"
      "columns: time 1 (Zeit), value 2 (U)\n"
      "units: time ms, value V\n"
      "samples: 6\n"
      "time bases: 250us, 2ms (13 units)\n"
      "tolerance: 1.00 codes\n"
      "points: 3\n"
      "largest deviation: 0.50 codes\n"
      "memory: 58 bytes (0.1 % of the device memory)\n",
      lauf.aus);
  // Ramps on the finest time base (their steps stay within one code), the plateau on one
  // unit of 2 ms; the fall back to 0 closes the curve.
  EXPECT_TRUE(Gleich({P(0, 8, 9), P(2048, 1, 2), P(2048, 4, 9)}, Kurvenpunkte(wur, 0)))
      << Text(Kurvenpunkte(wur, 0));
  EXPECT_TRUE(Gleich({P(0, 1, 4)}, Kurvenpunkte(wur, 1)));
}

TEST_F(Austauschbefehle, ImportCsvTakesColumnsScaleAndTimeBaseAsGiven) {
  const std::string csv = ordner.file("sonde.csv");
  Schreiben(csv, "a,b,c\n0,9,0.1\n0.5,9,0.2\n");
  const std::string wur = ordner.file("sonde.wur");
  const Lauf lauf = Miv3x({"import-csv", csv, wur, "--time-col", "a", "--value-col=3", "--scale",
                           "10", "--offset", "-1", "--tolerance", "2"});
  ASSERT_EQ(0, lauf.status) << lauf.fehler;
  EXPECT_THAT(lauf.aus, HasSubstr("columns: time 1 (a), value 3 (c)\n"));
  EXPECT_THAT(lauf.aus, HasSubstr("tolerance: 2.00 codes\n"));
  // 0 V and 1 V, half a second apart: a ramp of 410 codes on the coarsest time base whose
  // steps stay within one code, and its closing unit.
  EXPECT_TRUE(Gleich({P(0, 500, 1), P(410, 1, 1)}, Kurvenpunkte(wur, 0)))
      << Text(Kurvenpunkte(wur, 0));
}

struct CsvAblehnung {
  const char* name;
  std::string text;
  std::vector<std::string> optionen;
  const char* meldung;  // on standard error
};

class CsvAblehnungen : public Austauschbefehle, public testing::WithParamInterface<CsvAblehnung> {};

TEST_P(CsvAblehnungen, NameTheLineAndLeaveTheEarlierFile) {
  const CsvAblehnung& f = GetParam();
  const std::string csv = ordner.file("schlecht.csv");
  Schreiben(csv, f.text);
  const std::string wur = ordner.file("alt.wur");
  KurvendateiAnlegen(wur, {P(100, 3, 4)});
  const std::string vorher = Inhalt(wur);
  std::vector<std::string> argumente = {"import-csv", csv, wur};
  argumente.insert(argumente.end(), f.optionen.begin(), f.optionen.end());
  const Lauf lauf = Miv3x(argumente);
  EXPECT_EQ(1, lauf.status);
  EXPECT_THAT(lauf.fehler, HasSubstr(f.meldung));
  EXPECT_THAT(lauf.fehler, HasSubstr("Error #"));
  EXPECT_EQ("", lauf.aus);
  EXPECT_EQ(vorher, Inhalt(wur));
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, CsvAblehnungen,
    testing::Values(CsvAblehnung{"ZeitFaellt", "0,1\n1,2\n0.5,3\n", {}, "Error in line 3"},
                    CsvAblehnung{"ZuLang", "0,1\n8,2\n40000,3\n", {}, "Error in line 3"},
                    CsvAblehnung{"KeineZahlen", "Zeit,Wert\n", {}, "No row with two numbers"},
                    CsvAblehnung{
                        "SpalteFehlt", "t,u\n0,1\n", {"--value-col", "v"}, "Column 'v' not found"}),
    [](const testing::TestParamInfo<CsvAblehnung>& i) { return std::string(i.param.name); });

TEST_F(Austauschbefehle, BadOptionsGiveStatus2AndWriteNothing) {
  const std::string csv = ordner.file("a.csv");
  Schreiben(csv, "0,1\n1,2\n");
  const std::string wur = ordner.file("a.wur");
  const std::vector<std::pair<std::vector<std::string>, std::string>> faelle = {
      {{"import-csv", csv, wur, "--tolerance", "0.4"}, "is not a tolerance of at least 0.5"},
      {{"import", csv, wur, "--pwl", "--timebase", "3ms"}, "'3ms' is not a time base"},
      {{"import-csv", csv, wur, "--timebase", "1ms"},
       "option '--timebase' is not known to 'import-csv'"},
      {{"import-csv", csv, wur, "--time-unit", "days"}, "'days' is not a time unit"},
      {{"import-csv", csv, wur, "--scale", "0"}, "'0' is not a factor other than 0"},
      {{"import-csv", csv, wur, "--time-col="}, "option '--time-col' needs a column"},
      {{"import", csv, wur, "--timebase", "1ms"}, "'--timebase' needs '--pwl'"},
      {{"export", csv, wur, "--pwl=yes"}, "option '--pwl' takes no value"},
      {{"import-csv", csv, csv}, "is the input file"},
  };
  for (const auto& [argumente, grund] : faelle) {
    SCOPED_TRACE(grund);
    const Lauf lauf = Miv3x(argumente);
    EXPECT_EQ(2, lauf.status);
    EXPECT_THAT(lauf.fehler, HasSubstr(grund));
    EXPECT_FALSE(Existiert(wur));
  }
}

TEST_F(Austauschbefehle, PwlExportAndImportGiveBackTheCurve) {
  const std::vector<curves::Kurvenpunkt> kurve = {P(0, 4, 9), P(4095, 1, 9), P(1000, 30000, 8),
                                                  P(1, 2, 1)};
  const std::string wur = ordner.file("k.wur");
  KurvendateiAnlegen(wur, kurve);
  const std::string pwl = ordner.file("k.pwl");
  const Lauf aus = Miv3x({"export", "--pwl", wur, pwl});
  ASSERT_EQ(0, aus.status) << aus.fehler;
  EXPECT_THAT(Inhalt(pwl), HasSubstr("\n0.001 10\n0.001249999999 10\n* timebase 1s\n0.00125 "
                                     "2.44200244\n"));

  const std::string zurueck = ordner.file("zurueck.wur");
  const Lauf ein = Miv3x({"import", pwl, zurueck, "--pwl"});
  ASSERT_EQ(0, ein.status) << ein.fehler;
  EXPECT_EQ("PWL list: 6 pairs, 1 step, 4 points\n", ein.aus);
  EXPECT_TRUE(Gleich(kurve, Kurvenpunkte(zurueck, 0))) << Text(Kurvenpunkte(zurueck, 0));
}

TEST_F(Austauschbefehle, PwlBeyondTheConfiguredFullScaleIsRefusedWithItsLine) {
  config::Konfigsitzung konfig;  // the configuration file's record
  konfig.gKonfig.voutmax = 4.095;
  const std::string wuo = ordner.file("klein.wuo");
  ASSERT_EQ(0, config::KonfigdateiSpeichernNach(konfig, wuo));
  const std::string pwl = ordner.file("k.pwl");
  Schreiben(pwl, "* bench\n0 0\n1m 4\n2m 10\n");
  const std::string wur = ordner.file("alt.wur");
  KurvendateiAnlegen(wur, {P(100, 3, 4)});
  const std::string vorher = Inhalt(wur);
  const Lauf lauf = Miv3x({"import", "--pwl", pwl, wur, "--config", wuo});
  EXPECT_EQ(1, lauf.status);
  EXPECT_THAT(lauf.fehler, HasSubstr("Error in line 4"));
  EXPECT_EQ(vorher, Inhalt(wur));
}

}  // namespace
}  // namespace clitest
