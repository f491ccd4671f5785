// --trace: the frame log of a device command in a file, written whether the command
// succeeds or fails, and refused before anything is sent when the file cannot be made.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "Dateihilfen.h"
#include "Programmlauf.h"
#include "SimLeitung.h"
#include "support/TempDir.h"

namespace clitest {
namespace {

using testing::HasSubstr;

// The file's lines with their time stamps cut off; each stamp must be a local date and
// time with milliseconds.
std::vector<std::string> Zeilen(const std::string& pfad) {
  std::vector<std::string> zeilen;
  std::istringstream text(Inhalt(pfad));
  const std::regex stempel(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3}  )");
  for (std::string z; std::getline(text, z);) {
    EXPECT_TRUE(std::regex_search(z, stempel, std::regex_constants::match_continuous)) << z;
    zeilen.push_back(z.size() > 25 ? z.substr(25) : z);
  }
  return zeilen;
}

class Spur : public testing::Test {
 protected:
  testsupport::TempDir ordner;
  SimLeitung sim;
};

TEST_F(Spur, AnIdReadWritesItsFrameAndBothAnswers) {
  const std::string datei = ordner.file("spur.txt");
  const Lauf lauf = Miv3x({"id", "--port", sim.pfad(), "--trace", datei});
  ASSERT_EQ(lauf.status, 0) << lauf.fehler;
  EXPECT_EQ(Zeilen(datei), (std::vector<std::string>{
                               ">  IDR        0  #1IDR<CR>",
                               "<  IDR        0  <ACK>",
                               "<  IDR        0  #1ZOR-MIV3AX WUN-2 V1.30<CR>",
                           }));
}

// Nobody answers at address 5: the ID read looks at the other rates before it gives up,
// and the file shows each silence with its code and each change of rate.
TEST_F(Spur, AFailedCommandWritesItsTraceToo) {
  const std::string datei = ordner.file("spur.txt");
  const Lauf lauf = Miv3x({"id", "--port", sim.pfad(), "--address", "5", "--trace", datei});
  EXPECT_EQ(lauf.status, 1);
  EXPECT_THAT(lauf.fehler, HasSubstr("Error #403012"));
  std::vector<std::string> erwartet = {">  IDR        0  #5IDR<CR>", "<  IDR  -403012  (nothing)"};
  for (const char* rate : {"38400", "19200", "4800"}) {
    erwartet.push_back(std::string("~             0  ") + rate + " baud");
    erwartet.push_back(">  IDR        0  #5IDR<CR>");
    erwartet.push_back("<  IDR  -403012  (nothing)");
  }
  erwartet.push_back("~             0  9600 baud");
  EXPECT_EQ(Zeilen(datei), erwartet);
}

// A folder that does not exist, or a folder where the file should be: a clear message,
// status 1, no frame on the line and the folder left as it was.
TEST_F(Spur, ATraceThatCannotBeMadeStopsTheCommandBeforeAnythingIsSent) {
  for (const std::string& datei : {ordner.file("fehlt/spur.txt"), ordner.path().string()}) {
    const Lauf lauf = Miv3x({"id", "--port", sim.pfad(), "--trace", datei});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_THAT(lauf.fehler, HasSubstr("the trace file " + datei + " cannot be created"));
    EXPECT_THAT(lauf.fehler, HasSubstr("Error #308650"));
    EXPECT_THAT(lauf.aus, testing::IsEmpty());
  }
  EXPECT_THAT(sim.engine.frames(), testing::IsEmpty());
  EXPECT_FALSE(Existiert(ordner.file("fehlt")));
}

}  // namespace
}  // namespace clitest
