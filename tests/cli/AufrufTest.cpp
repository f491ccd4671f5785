// Command lines miv3x refuses, and its help: a refused line gives status 2 and the
// usage, and touches no file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Dateihilfen.h"
#include "Programmlauf.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

using testing::HasSubstr;
using testing::StartsWith;

struct Schlecht {
  std::vector<std::string> argumente;
  std::string grund;  // part of the first line on standard error
  std::string usage;  // part of the usage line that follows
};

TEST(Aufruf, BadCommandLinesGiveStatus2WithTheUsageAndTouchNothing) {
  testsupport::TempDir ordner;
  const std::string kurve = ordner.file("k.wur");
  KurvendateiAnlegen(kurve, {P(100, 3, 4)});
  const std::string vorher = Inhalt(kurve);
  const std::string text = ordner.file("k.txt");
  const std::string neu = ordner.file("neu.wur");

  const std::vector<Schlecht> faelle = {
      {{}, "no command given", "usage: miv3x <command>"},
      {{"sendd", kurve}, "unknown command 'sendd'", "usage: miv3x <command>"},
      {{"send", kurve}, "'send' needs --port", "usage: miv3x send FILE.wur"},
      {{"read", neu}, "'read' needs --port", "usage: miv3x read OUT.wur"},
      {{"id"}, "'id' needs --port", "usage: miv3x id"},
      {{"scan"}, "'scan' needs --port", "usage: miv3x scan"},
      {{"send", "--port", "3"}, "missing file name", "usage: miv3x send"},
      {{"send", kurve, neu, "--port", "3"}, "too many arguments", "usage: miv3x send"},
      {{"send", kurve, "--port"}, "option '--port' needs a value", "usage: miv3x send"},
      {{"send", kurve, "--port", "0"}, "'0' is neither a port number", "usage: miv3x send"},
      {{"send", kurve, "--port", "257"}, "'257' is neither", "usage: miv3x send"},
      {{"send", kurve, "--port", "12345"}, "'12345' is neither", "usage: miv3x send"},
      {{"send", kurve, "--port="}, "'' is neither", "usage: miv3x send"},
      {{"send", kurve, "--port", "3", "--address", "9"},
       "'9' is not a device address",
       "usage: miv3x send"},
      {{"id", "--port", "3", "--address", "0"}, "'0' is not a device address", "usage: miv3x id"},
      {{"id", "--port", "3", "--address", "g"}, "'g' is not a device address", "usage: miv3x id"},
      {{"id", "--port", "3", "--address", "12"}, "'12' is not a device address", "usage: miv3x id"},
      {{"send", kurve, "--port", "3", "--port", "4"},
       "option '--port' given twice",
       "usage: miv3x send"},
      {{"send", kurve, "--port", "3", "--dither=yes"},
       "option '--dither' takes no value",
       "usage: miv3x send"},
      {{"send", kurve, "--port", "3", "--speed", "5"},
       "option '--speed' is not known to 'send'",
       "usage: miv3x send"},
      {{"scan", "--port", "3", "--address", "2"},
       "option '--address' is not known to 'scan'",
       "usage: miv3x scan"},
      {{"export", kurve}, "missing file name", "usage: miv3x export FILE.wur OUT.txt"},
      {{"export", kurve, text, "--port", "3"},
       "option '--port' is not known to 'export'",
       "usage: miv3x export"},
      {{"import", text, neu, "--config"}, "option '--config' needs a value", "usage: miv3x import"},
      {{"import", text, neu, "--config="},
       "option '--config' needs a file name",
       "usage: miv3x import"},
      {{"image", kurve, "--out"}, "option '--out' needs a value", "usage: miv3x image"},
      {{"image", ""}, "empty file name", "usage: miv3x image"},
      {{"help", "sendd"}, "unknown command 'sendd'", "usage: miv3x <command>"},
  };
  for (const auto& fall : faelle) {
    std::string zeile;
    for (const auto& a : fall.argumente) zeile += " '" + a + "'";
    SCOPED_TRACE("miv3x" + zeile);
    const Lauf lauf = Miv3x(fall.argumente);
    EXPECT_EQ(2, lauf.status);
    EXPECT_THAT(lauf.fehler, StartsWith("miv3x: " + fall.grund));
    EXPECT_THAT(lauf.fehler, HasSubstr("\n" + fall.usage));
    EXPECT_THAT(lauf.fehler, HasSubstr("--help"));
    EXPECT_EQ("", lauf.aus);
  }
  EXPECT_EQ(vorher, Inhalt(kurve));
  EXPECT_FALSE(Existiert(text));
  EXPECT_FALSE(Existiert(neu));
}

TEST(Aufruf, AnOutputThatIsTheInputIsRefusedAndTheFileSurvives) {
  testsupport::TempDir ordner;
  const std::string kurve = ordner.file("k.wur");
  KurvendateiAnlegen(kurve, {P(100, 3, 4), P(2000, 7, 2)});
  const std::string vorher = Inhalt(kurve);
  // The same file under another name is caught as well.
  const std::string umweg = ordner.path().string() + "/./k.wur";
  for (const auto& argumente : std::vector<std::vector<std::string>>{
           {"export", kurve, umweg}, {"import", kurve, kurve}, {"image", kurve, "--out", umweg}}) {
    SCOPED_TRACE(argumente[0]);
    const Lauf lauf = Miv3x(argumente);
    EXPECT_EQ(2, lauf.status);
    EXPECT_THAT(lauf.fehler, HasSubstr("is the input file; writing it would destroy it"));
    EXPECT_EQ(vorher, Inhalt(kurve));
  }
}

TEST(Aufruf, HelpForTheToolAndEachCommand) {
  for (const auto& argumente :
       std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"help"}}) {
    const Lauf lauf = Miv3x(argumente);
    EXPECT_EQ(0, lauf.status);
    EXPECT_THAT(lauf.aus, StartsWith("usage: miv3x <command> [arguments]\n"));
    for (const char* befehl : {"ports", "id", "scan", "send", "read", "export", "import", "image"})
      EXPECT_THAT(lauf.aus, HasSubstr(std::string("\n  ") + befehl + " "));
    EXPECT_THAT(lauf.aus, HasSubstr("Exit status"));
    EXPECT_EQ("", lauf.fehler);
  }
  const std::vector<std::pair<std::string, std::string>> befehle = {
      {"ports", "usage: miv3x ports\n"},
      {"id", "usage: miv3x id --port P [--address A] [--json]\n"},
      {"scan", "usage: miv3x scan --port P [--json]\n"},
      {"send",
       "usage: miv3x send FILE.wur --port P [--address A] [--dither] [--fast] [--changed] "
       "[--verify]\n"},
      {"read",
       "usage: miv3x read OUT.wur --port P [--address A] [--dither] [--config FILE.wuo] "
       "[--fast]\n"},
      {"export", "usage: miv3x export FILE.wur OUT.txt [--pwl]\n"},
      {"import",
       "usage: miv3x import IN.txt OUT.wur [--config FILE.wuo] [--pwl [--timebase NAME]]\n"},
      {"image", "usage: miv3x image FILE.wur [--out IMAGE.bin] [--json]\n"},
  };
  for (const auto& [befehl, anfang] : befehle) {
    SCOPED_TRACE(befehl);
    // Help wins over anything else on the line, even a missing port or file.
    for (const auto& argumente : std::vector<std::vector<std::string>>{
             {befehl, "--help"}, {"help", befehl}, {befehl, "-h", "--port", "7"}}) {
      const Lauf lauf = Miv3x(argumente);
      EXPECT_EQ(0, lauf.status);
      EXPECT_THAT(lauf.aus, StartsWith(anfang));
      EXPECT_EQ("", lauf.fehler);
    }
  }
}

}  // namespace
}  // namespace clitest
