// Configuration files on disk: layout, every load error, safe saving, the dialogs.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "KonfigTestbasis.h"
#include "common/OperatorInterface.h"
#include "config/Konfigdatei.h"
#include "support/Dateibytes.h"
#include "support/ScriptedOperator.h"
#include "support/TempDir.h"

namespace {

using namespace config;
using konfigtest::Beispiel;
using konfigtest::Fensterattrappe;
using konfigtest::GleicheBytes;
using konfigtest::KonfigTest;
namespace fs = std::filesystem;

using Bytes = std::vector<unsigned char>;

Bytes Lesen(const std::string& pfad) {
  std::ifstream in(pfad, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void Schreiben(const std::string& pfad, const Bytes& b) {
  std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

class Konfigdatei : public KonfigTest {
 protected:
  // A valid file holding Beispiel().
  Bytes GueltigeDatei() {
    Konfiguration vorher = gKonfig;
    gKonfig = Beispiel();
    EXPECT_EQ(KonfigdateiSpeichernNach(konfig, dir.file("gut.wuo")), 0);
    gKonfig = vorher;
    return Lesen(dir.file("gut.wuo"));
  }
  // Loads bytes as a file; on failure gKonfig and the window must be as before.
  void LadenScheitert(const Bytes& b, int erwartet) {
    Fensterattrappe fenster;
    fenster.binden(konfig);
    gKonfig = KonfigurationStandard();
    Schreiben(dir.file("kaputt.wuo"), b);
    EXPECT_EQ(KonfigdateiLadenVon(konfig, dir.file("kaputt.wuo")), erwartet);
    EXPECT_TRUE(GleicheBytes(gKonfig, KonfigurationStandard()));
    EXPECT_EQ(fenster.gezeigt, 0);
    fenster.loesen();
  }
  std::vector<std::string> Dateien() {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(dir.path()))
      namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
  }
  testsupport::TempDir dir;
};

TEST_F(Konfigdatei, LayoutOfTheFile) {
  gKonfig = Beispiel();
  std::memset(gKonfig.padding1, 0x77, 4);  // padding never reaches the file
  ASSERT_EQ(KonfigdateiSpeichernNach(konfig, dir.file("a.wuo")), 0);
  Bytes b = Lesen(dir.file("a.wuo"));
  ASSERT_EQ(b.size(), 392u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data())), "miv3xKurven Konfigdatei");
  for (std::size_t i = 23; i < 32; ++i) EXPECT_EQ(b[i], 0) << i;
  EXPECT_EQ(b[32], 1);
  EXPECT_EQ(b[33] | b[34] | b[35] | b[36] | b[37] | b[38] | b[39], 0);
  Konfiguration erwartet = Beispiel();
  std::memset(erwartet.padding1, 0, 4);
  std::memset(erwartet.padding2, 0, 4);
  EXPECT_EQ(std::memcmp(b.data() + 40, &erwartet, 352), 0);
  // voutmax 4.095 little-endian at offset 40.
  double voutmax;
  std::memcpy(&voutmax, b.data() + 40, 8);
  EXPECT_EQ(voutmax, 4.095);
  EXPECT_EQ(Dateien(), std::vector<std::string>{"a.wuo"});  // no temporary file left
}

TEST_F(Konfigdatei, RoundTripKeepsAnEightCharacterUnit) {
  Fensterattrappe fenster;
  fenster.binden(konfig);
  gKonfig = Beispiel();
  ASSERT_EQ(KonfigdateiSpeichernNach(konfig, dir.file("r.wuo")), 0);
  gKonfig = KonfigurationStandard();
  ASSERT_EQ(KonfigdateiLadenVon(konfig, dir.file("r.wuo")), 0);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, Beispiel()), 1);
  EXPECT_STREQ(gKonfig.outeinheit[2], "12345678");
  EXPECT_STREQ(gKonfig.ineinheit[0], "°C");
  EXPECT_EQ(fenster.gezeigt, 1);
  EXPECT_EQ(KonfigurationenVergleichen(fenster.felder, Beispiel()), 1);
}

TEST_F(Konfigdatei, ShortFileFails) {
  Bytes b = GueltigeDatei();
  b.pop_back();
  LadenScheitert(b, -304264);
  LadenScheitert({}, -304264);
  LadenScheitert(Bytes(b.begin(), b.begin() + 40), -304264);
}

TEST_F(Konfigdatei, LongerFileLoadsItsFirst392Bytes) {
  Bytes b = GueltigeDatei();
  b.push_back(0xFF);
  Schreiben(dir.file("lang.wuo"), b);
  ASSERT_EQ(KonfigdateiLadenVon(konfig, dir.file("lang.wuo")), 0);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, Beispiel()), 1);
}

TEST_F(Konfigdatei, OtherVersionFails) {
  Bytes b = GueltigeDatei();
  b[32] = 2;
  LadenScheitert(b, -303266);
  b[32] = 1;
  b[35] = 1;  // the whole 32-bit number counts
  LadenScheitert(b, -303266);
  b[35] = 0;
  b[32] = 0;
  LadenScheitert(b, -303266);
}

TEST_F(Konfigdatei, WrongIdentificationFails) {
  Bytes b = GueltigeDatei();
  b[0] = 'M';
  LadenScheitert(b, -1021265);

  b = GueltigeDatei();
  b[22] = 0;  // "miv3xKurven Konfigdate": a prefix is not enough
  LadenScheitert(b, -1021265);

  b = GueltigeDatei();
  b[23] = 'i';  // text runs on past the name
  LadenScheitert(b, -1021265);

  b = GueltigeDatei();
  for (std::size_t i = 0; i < 32; ++i) b[i] = 'x';  // no terminator at all
  LadenScheitert(b, -1021265);

  // Identification and version are checked in this order.
  b = GueltigeDatei();
  b[0] = 'X';
  b[32] = 9;
  LadenScheitert(b, -1021265);
}

TEST_F(Konfigdatei, BytesAfterTheIdentificationDoNotMatter) {
  Bytes b = GueltigeDatei();
  for (std::size_t i = 24; i < 32; ++i) b[i] = 0xEE;
  for (std::size_t i = 36; i < 40; ++i) b[i] = 0xEE;
  Schreiben(dir.file("rest.wuo"), b);
  EXPECT_EQ(KonfigdateiLadenVon(konfig, dir.file("rest.wuo")), 0);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, Beispiel()), 1);
}

TEST_F(Konfigdatei, MissingFileFails) {
  Fensterattrappe fenster;
  fenster.binden(konfig);
  EXPECT_EQ(KonfigdateiLadenVon(konfig, dir.file("fehlt.wuo")), -308263);
  EXPECT_EQ(KonfigdateiLadenVon(konfig, ""), -308263);
  fs::create_directory(dir.path() / "ordner.wuo");
  EXPECT_EQ(KonfigdateiLadenVon(konfig, dir.file("ordner.wuo")), -308263);
  EXPECT_TRUE(GleicheBytes(gKonfig, KonfigurationStandard()));
  EXPECT_EQ(fenster.gezeigt, 0);
}

TEST_F(Konfigdatei, UnterminatedUnitIsCutToEightCharacters) {
  Bytes b = GueltigeDatei();
  const std::size_t ineinheit3 = 40 + offsetof(Konfiguration, ineinheit) + 3 * 9;
  for (std::size_t i = 0; i < 9; ++i) b[ineinheit3 + i] = 'n';
  Schreiben(dir.file("einheit.wuo"), b);
  ASSERT_EQ(KonfigdateiLadenVon(konfig, dir.file("einheit.wuo")), 0);
  EXPECT_STREQ(gKonfig.ineinheit[3], "nnnnnnnn");
  EXPECT_STREQ(gKonfig.ineinheit[2], "kg");
}

TEST_F(Konfigdatei, SavedUnitsAreAlwaysTerminated) {
  std::memset(gKonfig.outeinheit[1], 'q', 9);
  ASSERT_EQ(KonfigdateiSpeichernNach(konfig, dir.file("q.wuo")), 0);
  Bytes b = Lesen(dir.file("q.wuo"));
  const std::size_t outeinheit1 = 40 + offsetof(Konfiguration, outeinheit) + 9;
  EXPECT_EQ(b[outeinheit1 + 7], 'q');
  EXPECT_EQ(b[outeinheit1 + 8], 0);
}

TEST_F(Konfigdatei, SaveReplacesAnEarlierFile) {
  gKonfig = Beispiel();
  ASSERT_EQ(KonfigdateiSpeichernNach(konfig, dir.file("k.wuo")), 0);
  gKonfig = KonfigurationStandard();
  ASSERT_EQ(KonfigdateiSpeichernNach(konfig, dir.file("k.wuo")), 0);
  gKonfig = Beispiel();
  ASSERT_EQ(KonfigdateiLadenVon(konfig, dir.file("k.wuo")), 0);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, KonfigurationStandard()), 1);
  EXPECT_EQ(Dateien(), std::vector<std::string>{"k.wuo"});
}

TEST_F(Konfigdatei, FailedWriteKeepsTheEarlierFile) {
  const Bytes alt = GueltigeDatei();
  int ergebnis, neu;
  {
    // The process may write no more than 100 bytes into any file.
    testsupport::Schreibgrenze grenze(100);
    ergebnis = KonfigdateiSpeichernNach(konfig, dir.file("gut.wuo"));
    neu = KonfigdateiSpeichernNach(konfig, dir.file("neu.wuo"));
  }

  EXPECT_EQ(ergebnis, -301262);
  EXPECT_EQ(neu, -301262);
  EXPECT_EQ(Lesen(dir.file("gut.wuo")), alt);
  EXPECT_EQ(Dateien(), std::vector<std::string>{"gut.wuo"});  // nothing half-written left
  ASSERT_EQ(KonfigdateiLadenVon(konfig, dir.file("gut.wuo")), 0);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, Beispiel()), 1);
}

TEST_F(Konfigdatei, TargetThatCannotBeWritten) {
  fs::create_directory(dir.path() / "ordner.wuo");
  EXPECT_EQ(KonfigdateiSpeichernNach(konfig, dir.file("ordner.wuo")), -308261);
  EXPECT_TRUE(fs::is_directory(dir.path() / "ordner.wuo"));
  EXPECT_EQ(KonfigdateiSpeichernNach(konfig, dir.file("fehlt/k.wuo")), -308261);
  EXPECT_EQ(KonfigdateiSpeichernNach(konfig, ""), -308261);

  const Bytes alt = GueltigeDatei();
  fs::permissions(dir.path() / "gut.wuo", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(KonfigdateiSpeichernNach(konfig, dir.file("gut.wuo")), -308261);
  EXPECT_EQ(Lesen(dir.file("gut.wuo")), alt);
  EXPECT_EQ(Dateien(), (std::vector<std::string>{"gut.wuo", "ordner.wuo"}));
}

TEST_F(Konfigdatei, AWritableFileInAFolderThatTakesNoNewFilesIsRewrittenInPlace) {
  GueltigeDatei();
  fs::permissions(dir.path() / "gut.wuo", fs::perms::owner_read | fs::perms::owner_write |
                                              fs::perms::group_read | fs::perms::group_write |
                                              fs::perms::others_read | fs::perms::others_write);
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  gKonfig = KonfigurationStandard();
  // Root may create files anywhere; as somebody else the folder refuses them.
  const bool alsRoot = ::geteuid() == 0;
  const bool abgegeben = alsRoot && ::seteuid(65534) == 0;
  const bool gesperrt = !alsRoot || abgegeben;
  const int ergebnis = gesperrt ? KonfigdateiSpeichernNach(konfig, dir.file("gut.wuo")) : 0;
  if (abgegeben) {
    EXPECT_EQ(::seteuid(0), 0);
  }
  fs::permissions(dir.path(), fs::perms::owner_all);
  if (!gesperrt) GTEST_SKIP() << "cannot give up root's rights to lock the folder";
  EXPECT_EQ(ergebnis, 0);
  EXPECT_EQ(Dateien(), std::vector<std::string>{"gut.wuo"});
  gKonfig = Beispiel();
  ASSERT_EQ(KonfigdateiLadenVon(konfig, dir.file("gut.wuo")), 0);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, KonfigurationStandard()), 1);
}

TEST_F(Konfigdatei, SavingThroughALinkReplacesTheFileItNames) {
  GueltigeDatei();
  fs::create_symlink(dir.path() / "gut.wuo", dir.path() / "link.wuo");
  fs::permissions(dir.path() / "gut.wuo", fs::perms::owner_read | fs::perms::owner_write);
  gKonfig = KonfigurationStandard();
  ASSERT_EQ(KonfigdateiSpeichernNach(konfig, dir.file("link.wuo")), 0);
  EXPECT_TRUE(fs::is_symlink(dir.path() / "link.wuo"));
  EXPECT_EQ(fs::status(dir.path() / "gut.wuo").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  gKonfig = Beispiel();
  ASSERT_EQ(KonfigdateiLadenVon(konfig, dir.file("gut.wuo")), 0);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, KonfigurationStandard()), 1);
}

TEST_F(Konfigdatei, SaveDialog) {
  testsupport::ScriptedOperator op;
  Fensterattrappe fenster;
  fenster.binden(konfig);
  fenster.felder = Beispiel();  // edits in the window, not yet in the record
  op.answerFile(dir.file("dialog.wuo"));
  ASSERT_EQ(KonfigdateiSpeichern(konfig), 0);
  ASSERT_EQ(op.fileRequests.size(), 1u);
  const common::FileRequest& r = op.fileRequests[0];
  EXPECT_EQ(r.title, "Save configuration");
  EXPECT_EQ(r.pattern, "*.wuo");
  EXPECT_EQ(r.mode, common::FileRequest::Mode::Save);
  EXPECT_TRUE(r.forceExtension);
  EXPECT_EQ(r.confirmButton, "Save");
  // The fields were taken first.
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, Beispiel()), 1);
  fenster.loesen();
  gKonfig = KonfigurationStandard();
  ASSERT_EQ(KonfigdateiLadenVon(konfig, dir.file("dialog.wuo")), 0);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, Beispiel()), 1);
}

TEST_F(Konfigdatei, CancelledDialogsChangeNothing) {
  testsupport::ScriptedOperator op;
  Fensterattrappe fenster;
  fenster.binden(konfig);
  fenster.felder = Beispiel();
  op.answerFile(std::nullopt);
  op.answerFile(std::nullopt);
  EXPECT_EQ(KonfigdateiSpeichern(konfig), 0);
  EXPECT_EQ(KonfigdateiLaden(konfig), 0);
  EXPECT_EQ(op.fileRequests.size(), 2u);
  EXPECT_TRUE(GleicheBytes(gKonfig, KonfigurationStandard()));  // fields not taken
  EXPECT_EQ(fenster.gezeigt, 0);
  EXPECT_TRUE(Dateien().empty());
  EXPECT_TRUE(op.messages.empty());
}

TEST_F(Konfigdatei, LoadDialog) {
  GueltigeDatei();
  testsupport::ScriptedOperator op;
  op.answerFile(dir.file("gut.wuo"));
  op.answerFile(dir.file("fehlt.wuo"));
  ASSERT_EQ(KonfigdateiLaden(konfig), 0);
  EXPECT_EQ(op.fileRequests[0].title, "Load configuration");
  EXPECT_EQ(op.fileRequests[0].pattern, "*.wuo");
  EXPECT_EQ(op.fileRequests[0].mode, common::FileRequest::Mode::Load);
  EXPECT_EQ(op.fileRequests[0].confirmButton, "Load");
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, Beispiel()), 1);
  EXPECT_EQ(KonfigdateiLaden(konfig), -308263);
  EXPECT_EQ(KonfigurationenVergleichen(gKonfig, Beispiel()), 1);
}

}  // namespace
