// The log file byte for byte with a fixed clock, and every way writing it can fail.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Direktfixture.h"
#include "direct/Abfrage.h"
#include "direct/Protokolldatei.h"
#include "support/DeutscheZahlen.h"

namespace directtest {
namespace {

using namespace direct;

std::string Lesen(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

void Schreiben(const std::string& pfad, const std::string& text) {
  std::ofstream(pfad, std::ios::binary) << text;
}

const char* const kKopf =
    "\n\nStarted data logging\n"
    "input1: 0.000..10.000 V\n"
    "input2: 0.0..1000.0 mbar\n"
    "input3: 0.000..10.000 V\n"
    "input4: 0.000..10.000 V\n"
    "output1: 0.000..10.000 V\n"
    "output2: 0.000..10.000 V\n"
    "output3: 0.00..100.00 bar\n"
    "output4: 0.000..10.000 V\n"
    "Date\tTime\tIn1[V]\tIn2[mbar]\tIn3[V]\tIn4[V]\tOut1[V]\tOut2[V]\tOut3[bar]\tOut4[V]\n";

class Protokoll : public Direkt {
 protected:
  void SetUp() override {
    Direkt::SetUp();
    sitzung.Konfig.gKonfig.inskalamax[1] = 1000.0;
    config::EinheitSetzen(sitzung.Konfig.gKonfig.ineinheit[1], "mbar");
    sitzung.Konfig.gKonfig.outskalamax[2] = 100.0;
    config::EinheitSetzen(sitzung.Konfig.gKonfig.outeinheit[2], "bar");
    Direktpanel_SkaliereElemente(sitzung);
    EingaengeSetzen(2.5, 5.0, 0.0, 10.0);
    pfad = ordner.file("log.txt");
  }
  // DATEISPEICHERN on, the dialog answered with the log file, ABFRAGEN pressed.
  int Starten(const std::string& datei) {
    DateispeichernSetzen(sitzung, true);
    bedienung.answerFile(datei);
    return Abfragen_Callback(sitzung, sim.verbindung(), true);
  }
  std::string pfad;
};

TEST_F(Protokoll, ABlockIsAppendedByteForByte) {
  // Numbers keep their decimal point whatever the locale.
  testsupport::DeutscheZahlen deutsch(ordner.path());
  Schreiben(pfad, "earlier run\n");
  uhr.zeiten = {"18:30:05", "18:30:06"};
  DirektpanelBearbeiten(sitzung).ausgang[0].wert = 5.0;
  ASSERT_EQ(0, Starten(pfad));
  EXPECT_TRUE(Direktpanel(sitzung).dateispeichernLed);
  EXPECT_TRUE(uhr.timerAn);
  ASSERT_EQ(0, DirektTimer_Callback(sitzung, sim.verbindung()));
  ASSERT_EQ(0, DirektTimer_Callback(sitzung, sim.verbindung()));
  ASSERT_EQ(0, Abfragen_Callback(sitzung, sim.verbindung(), false));

  const std::string zeile = "\t2.500\t500.0\t0.000\t10.000\t5.000\t0.000\t0.00\t0.000\n";
  EXPECT_EQ(std::string("earlier run\n") + kKopf + "24.12.2023\t18:30:05" + zeile +
                "24.12.2023\t18:30:06" + zeile + "Data logging finished\n",
            Lesen(pfad));
  EXPECT_FALSE(ProtokollOffen(sitzung));
  EXPECT_FALSE(Direktpanel(sitzung).dateispeichernLed);
  EXPECT_FALSE(uhr.timerAn);
  // Pressing and releasing ABFRAGEN both sent output 1.
  int gesendet = 0;
  for (const auto& f : sim.engine().frames()) gesendet += f == "#1V1W5.000\r";
  EXPECT_EQ(2, gesendet);
}

TEST_F(Protokoll, TheDateIsReadAgainUntilItStaysTheSameAroundTheTime) {
  uhr.daten = {"12-31-2023", "01-01-2024"};
  uhr.zeiten = {"23:59:59", "00:00:00"};
  EXPECT_EQ(0u, ProtokollzeileBilden(sitzung).text.find("01.01.2024\t00:00:00\t"));
}

TEST_F(Protokoll, InputFourAsStartStopInputIsLoggedAsDashes) {
  sim.engine().withDevice('1', [](sim::Device& d) { d.mode = 0x01; });
  ASSERT_EQ(0, Starten(pfad));
  ASSERT_EQ(0, DirektTimer_Callback(sitzung, sim.verbindung()));
  AbfrageBeenden(sitzung);
  EXPECT_EQ(std::string(kKopf) + "24.12.2023\t18:30:05\t2.500\t500.0\t0.000\t-----\t" +
                "0.000\t0.000\t0.00\t0.000\n",
            Lesen(pfad));
}

TEST_F(Protokoll, CancellingTheDialogPollsWithoutALog) {
  DateispeichernSetzen(sitzung, true);
  ASSERT_EQ(0, Abfragen_Callback(sitzung, sim.verbindung(), true));
  EXPECT_TRUE(Direktpanel(sitzung).timerAn);
  EXPECT_TRUE(Direktpanel(sitzung).dateispeichern);
  EXPECT_TRUE(Direktpanel(sitzung).dateispeichernGedimmt);
  EXPECT_FALSE(Direktpanel(sitzung).dateispeichernLed);
  EXPECT_TRUE(bedienung.messages.empty());
  EXPECT_EQ("File to save/extend", bedienung.fileRequests.at(0).title);
  EXPECT_TRUE(bedienung.fileRequests.at(0).appends);  // no question to replace a file
  EXPECT_EQ(0, DirektTimer_Callback(sitzung, sim.verbindung()));
}

TEST_F(Protokoll, WithoutTheToggleNoFileIsAskedFor) {
  ASSERT_EQ(0, Abfragen_Callback(sitzung, sim.verbindung(), true));
  EXPECT_TRUE(bedienung.fileRequests.empty());
}

struct Oeffnungsfehler {
  const char* datei;
  int code;
};

class ProtokollOeffnen : public Protokoll, public testing::WithParamInterface<Oeffnungsfehler> {};

// The failure is shown in a box and polling runs on without a log.
TEST_P(ProtokollOeffnen, FailsWithItsCodeAndPollingStartsAnyway) {
  std::string datei = GetParam().datei;
  if (datei == "missing") datei = ordner.file("no/such/folder/log.txt");
  ASSERT_EQ(0, Starten(datei));
  EXPECT_EQ("Error #" + std::to_string(-GetParam().code), bedienung.lastMessageTitle());
  EXPECT_FALSE(ProtokollOffen(sitzung));
  EXPECT_FALSE(Direktpanel(sitzung).dateispeichernLed);
  EXPECT_TRUE(Direktpanel(sitzung).timerAn);
  EXPECT_EQ(0, DirektTimer_Callback(sitzung, sim.verbindung()));
}

INSTANTIATE_TEST_SUITE_P(Faelle, ProtokollOeffnen,
                         testing::Values(Oeffnungsfehler{"", kFehlerDateiauswahl},
                                         Oeffnungsfehler{"missing", kFehlerProtokollOeffnen},
                                         Oeffnungsfehler{"/dev/full", kFehlerProtokollKopf}));

// A file that stops growing part way through a record (the process's file-size limit).
class Groessengrenze {
 public:
  explicit Groessengrenze(rlim_t grenze) {
    alt_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &vorher_);
    rlimit neu = vorher_;
    neu.rlim_cur = grenze;
    setrlimit(RLIMIT_FSIZE, &neu);
  }
  ~Groessengrenze() {
    setrlimit(RLIMIT_FSIZE, &vorher_);
    std::signal(SIGXFSZ, alt_);
  }

 private:
  rlimit vorher_{};
  void (*alt_)(int) = nullptr;
};

struct Zeilenfehler {
  int bytesDerZeile;  // how much of the record still fits
  int code;
};

class ProtokollZeile : public Protokoll, public testing::WithParamInterface<Zeilenfehler> {};

// "24.12.2023\t18:30:05\t" is 20 bytes, the inputs the next 24.
TEST_P(ProtokollZeile, AHalfWrittenRecordIsCutOffAndStopsPolling) {
  ASSERT_EQ(0, Starten(pfad));
  const auto kopf = std::filesystem::file_size(pfad);
  int code = 0;
  {
    const Groessengrenze grenze(kopf + static_cast<rlim_t>(GetParam().bytesDerZeile));
    code = DirektTimer_Callback(sitzung, sim.verbindung());
  }
  EXPECT_EQ(GetParam().code, code);
  EXPECT_EQ(kKopf, Lesen(pfad));
  EXPECT_FALSE(ProtokollOffen(sitzung));
  EXPECT_FALSE(Direktpanel(sitzung).timerAn);
  EXPECT_FALSE(Direktpanel(sitzung).abfragen);
  EXPECT_EQ("Error #" + std::to_string(-GetParam().code), bedienung.lastMessageTitle());
}

INSTANTIATE_TEST_SUITE_P(Faelle, ProtokollZeile,
                         testing::Values(Zeilenfehler{0, kFehlerZeileZeit},
                                         Zeilenfehler{10, kFehlerZeileZeit},
                                         Zeilenfehler{30, kFehlerZeileEingaenge},
                                         Zeilenfehler{50, kFehlerZeileAusgaenge}));

}  // namespace
}  // namespace directtest
