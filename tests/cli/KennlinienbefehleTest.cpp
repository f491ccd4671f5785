// The char-* commands of the real miv3x program: files in a temporary folder, transfers
// against the simulated WUN-2 on a pseudo-terminal.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Programmlauf.h"
#include "SimLeitung.h"
#include "characteristic/files/Kennliniendatei.h"
#include "characteristic/files/Kennlinientext.h"
#include "characteristic/transfer/Kennlinienbild.h"
#include "support/Dateibytes.h"
#include "support/KennlFixture.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

using namespace characteristic;
using testing::HasSubstr;
using testing::StartsWith;

class Kennlinienbefehle : public testsupport::KennlFixture {
 protected:
  // A characteristic file of a ramp 0..4095 with output 2 at 5 V and 1000 ms rise time.
  std::string Rampe() {
    Setze({{0, 4095}, {4095, 1}});
    sitzung.gKennl.Felder.Ausgang2 = 5.0;
    sitzung.gKennl.Felder.Anstiegszeit = 1000.0;
    const std::string pfad = ordner.file("rampe.wue");
    EXPECT_EQ(KennlDateiSpeichern(sitzung, pfad), 0);
    return pfad;
  }
  std::vector<std::uint8_t> Platz(sim::Engine& engine, int n, long bytes = kPlatzBytes) {
    const auto d = engine.device('1');
    return {d.memory4.begin() + PlatzAdresse(n), d.memory4.begin() + PlatzAdresse(n) + bytes};
  }
  testsupport::TempDir ordner;
};

TEST_F(Kennlinienbefehle, SendInitialisesInvalidSlotsAndReadBackRestoresTheFile) {
  SimLeitung sim;
  const std::string datei = Rampe();
  std::vector<std::uint8_t> bild;
  ASSERT_EQ(KennlBildErzeugen(sitzung, bild), 0);

  const Lauf senden = Miv3x({"char-send", datei, "--slot", "4", "--port", sim.pfad()});
  ASSERT_EQ(senden.status, 0) << senden.fehler;
  EXPECT_EQ(senden.fehler, "");
  EXPECT_EQ(Platz(sim.engine, 4), bild);
  EXPECT_EQ(Platz(sim.engine, 7, 34), KennlEinsBild());
  EXPECT_EQ(sim.engine.device('1').mode & 6, 2);

  const std::string zurueck = ordner.file("zurueck.wue");
  const Lauf lesen = Miv3x({"char-read", zurueck, "--slot", "4", "--port", sim.pfad()});
  ASSERT_EQ(lesen.status, 0) << lesen.fehler;
  ASSERT_EQ(KennlDateiLaden(sitzung, zurueck, Konfigwahl::NichtLaden), 0);
  ASSERT_EQ(sitzung.gKennl.Kennl.Punktanzahl(), 4096);
  EXPECT_EQ(sitzung.gKennl.Kennl.Punkte[1234].Y, 1234);
  EXPECT_NEAR(sitzung.gKennl.Felder.Ausgang2, 5.0012, 1e-4);
  EXPECT_EQ(sitzung.gKennl.Felder.Anstiegszeit, 819.0);

  const Lauf eins = Miv3x({"char-read", zurueck, "--slot", "7", "--port", sim.pfad()});
  ASSERT_EQ(eins.status, 0) << eins.fehler;
  ASSERT_EQ(KennlDateiLaden(sitzung, zurueck, Konfigwahl::NichtLaden), 0);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{205, 1}}));
}

TEST_F(Kennlinienbefehle, ReadingInvalidSlotsFailsAndWritesNothing) {
  SimLeitung sim;
  const std::string ziel = ordner.file("nie.wue");
  const Lauf lesen = Miv3x({"char-read", ziel, "--slot", "1", "--port", sim.pfad()});
  EXPECT_EQ(lesen.status, 1);
  EXPECT_THAT(lesen.fehler, StartsWith("Error #1026512: "));
  EXPECT_FALSE(std::filesystem::exists(ziel));
}

TEST_F(Kennlinienbefehle, SelectSetsOutputFour) {
  SimLeitung sim;
  const Lauf lauf = Miv3x({"char-select", "--slot", "5", "--port", sim.pfad()});
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(sim.engine.device('1').outputs[3], 5.0);
}

TEST_F(Kennlinienbefehle, ASlotOutsideOneToSevenIsRefusedBeforeTheDevice) {
  SimLeitung sim;
  const std::string datei = Rampe();
  for (const char* platz : {"0", "8", "x", "12"}) {
    const Lauf lauf = Miv3x({"char-send", datei, "--slot", platz, "--port", sim.pfad()});
    EXPECT_EQ(lauf.status, 2);
    EXPECT_THAT(lauf.fehler, HasSubstr("is not a characteristic slot (1..7)"));
  }
  const Lauf ohne = Miv3x({"char-select", "--port", sim.pfad()});
  EXPECT_EQ(ohne.status, 2);
  EXPECT_THAT(ohne.fehler, HasSubstr("needs --slot"));
  EXPECT_TRUE(sim.engine.frames().empty());
}

TEST_F(Kennlinienbefehle, ADamagedFileIsNotSent) {
  SimLeitung sim;
  auto b = testsupport::Bytes(Rampe());
  b.resize(1424);
  const std::string kaputt = ordner.file("kaputt.wue");
  testsupport::BytesSchreiben(kaputt, b);
  const Lauf lauf = Miv3x({"char-send", kaputt, "--slot", "1", "--port", sim.pfad()});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_THAT(lauf.fehler, HasSubstr("The file is damaged"));
  EXPECT_THAT(lauf.fehler, HasSubstr("Error #304547: "));
  EXPECT_TRUE(sim.engine.frames().empty());
}

TEST_F(Kennlinienbefehle, ExportAndImportConvertBothWays) {
  Setze({{0, 1000}, {4095, 1}});
  const std::string datei = ordner.file("k.wue");
  ASSERT_EQ(KennlDateiSpeichern(sitzung, datei), 0);
  const std::string text = ordner.file("k.txt");
  const Lauf aus = Miv3x({"char-export", datei, text});
  ASSERT_EQ(aus.status, 0) << aus.fehler;
  EXPECT_EQ(testsupport::Text(text),
            "# Characteristic curve exported from MIV3X-Curvegenerator\n"
            "# Column 1 = X value in per cent\n# Column 2 = Y value in per cent\n\n"
            "0.00\t0.00\n24.42\t100.00\n\n");

  const std::string neu = ordner.file("neu.wue");
  const Lauf ein = Miv3x({"char-import", text, neu});
  ASSERT_EQ(ein.status, 0) << ein.fehler;
  ASSERT_EQ(KennlDateiLaden(sitzung, neu, Konfigwahl::NichtLaden), 0);
  EXPECT_EQ(Punkte(), (std::vector<std::pair<int, int>>{{0, 1000}, {4095, 0}}));
  EXPECT_EQ(sitzung.gKennl.Felder.Anstiegszeit, 0.1);

  testsupport::TextSchreiben(text, "# x\n0.5\t10\n");
  const Lauf falsch = Miv3x({"char-import", text, ordner.file("nie.wue")});
  EXPECT_EQ(falsch.status, 1);
  EXPECT_THAT(falsch.fehler, HasSubstr("Curve has to start at X=0."));
  EXPECT_THAT(falsch.fehler, HasSubstr("Error #312539: "));
  EXPECT_FALSE(std::filesystem::exists(ordner.file("nie.wue")));
}

TEST_F(Kennlinienbefehle, ImageIsPrintedOrWritten) {
  const std::string datei = Rampe();
  std::vector<std::uint8_t> bild;
  ASSERT_EQ(KennlBildErzeugen(sitzung, bild), 0);
  const Lauf hex = Miv3x({"char-image", datei});
  ASSERT_EQ(hex.status, 0) << hex.fehler;
  char erste[80];
  std::snprintf(erste, sizeof(erste), "0000: %02X %02X 00 00 08 00 00 00 FE 00", bild[0], bild[1]);
  EXPECT_THAT(hex.aus, StartsWith(erste));
  EXPECT_THAT(hex.aus, HasSubstr("\n2010: 0F F8 0F F9 0F FA"));
  EXPECT_EQ(std::count(hex.aus.begin(), hex.aus.end(), '\n'), 514);

  const Lauf datei2 = Miv3x({"char-image", datei, "--out", ordner.file("b.bin")});
  ASSERT_EQ(datei2.status, 0) << datei2.fehler;
  EXPECT_EQ(testsupport::Bytes(ordner.file("b.bin")), bild);
}

}  // namespace
}  // namespace clitest
