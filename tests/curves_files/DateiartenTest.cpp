// What the curve files meet in a real file system: FIFOs and devices instead of files,
// names at the length limit, leftovers of earlier saves.
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "Dateihilfen.h"
#include "curves/files/Kurvendatei.h"
#include "curves/files/Kurvenexport.h"
#include "curves/files/Kurvenimport.h"

namespace dateitest {
namespace {

using namespace curves;

class Dateiarten : public DateiTest {};

// Every reading operation refuses what is no regular file at once with its open code.
TEST_F(Dateiarten, FifosUndGeraeteWerdenNichtGelesen) {
  const std::string fifo = dir.file("fifo.wur");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto vorher = Modellstand::Jetzt(sitzung);
  for (const std::string& pfad : {fifo, std::string("/dev/zero"), std::string("/dev/null")}) {
    SCOPED_TRACE(pfad);
    const auto anfang = std::chrono::steady_clock::now();
    EXPECT_EQ(-308445, KurvendateiImportieren(sitzung, pfad));
    EXPECT_EQ(-308435, KurvendateiLaden(sitzung, pfad));
    EXPECT_EQ(-308435, KurvendateiAnhaengen(sitzung, pfad));
    EXPECT_LT(std::chrono::steady_clock::now() - anfang, std::chrono::seconds(5));
  }
  vorher.ErwarteUnveraendert(sitzung);
}

TEST_F(Dateiarten, NamenBis255ZeichenLassenSichSpeichernUndExportieren) {
  Beispielkurven();
  for (std::size_t laenge : {251u, 255u}) {
    const std::string kurven = dir.file(std::string(laenge - 4, 'k') + ".wur");
    const std::string text = dir.file(std::string(laenge - 4, 't') + ".txt");
    EXPECT_EQ(0, KurvendateiSpeichern(sitzung, kurven)) << laenge;
    EXPECT_EQ(0, KurvendateiExportieren(sitzung, text)) << laenge;
    EXPECT_EQ(0, KurvendateiLaden(sitzung, kurven)) << laenge;
    EXPECT_EQ(0, KurvendateiImportieren(sitzung, text)) << laenge;
  }
}

// Names that earlier versions used for temporary files do not block saving.
TEST_F(Dateiarten, AlteTemporaereDateienHaltenDasSpeichernNichtAuf) {
  const std::string kurven = dir.file("k.wur");
  const std::string text = dir.file("k.txt");
  for (int n = 0; n < 100; ++n) {
    TextSchreiben(kurven + ".tmp" + std::to_string(n), "");
    TextSchreiben(text + ".tmp" + std::to_string(n), "");
  }
  EXPECT_EQ(0, KurvendateiSpeichern(sitzung, kurven));
  EXPECT_EQ(0, KurvendateiExportieren(sitzung, text));
  EXPECT_EQ(0, KurvendateiLaden(sitzung, kurven));
}

}  // namespace
}  // namespace dateitest
