// The simulator's frame parser: any bytes on the line leave it able to answer the next good
// frame of every device it plays.
#include <string>

#include "Engine.h"
#include "Fuzzdatei.h"

using namespace fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t n) {
  sim::Engine engine("13");
  engine.feed(std::string_view(reinterpret_cast<const char*>(daten), n));
  // A CR ends whatever frame the bytes left open.
  engine.feed(std::string_view("\r"));
  for (char a : engine.addresses()) {
    const std::string frame = std::string("#") + a + "IDR\r";
    const std::string antwort = engine.feed(frame);
    if (antwort.size() < 4 || antwort[0] != 6 || antwort[1] != '#' || antwort[2] != a ||
        antwort.back() != '\r')
      Verletzt("a device no longer answers its ID");
  }
  return 0;
}
