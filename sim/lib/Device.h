// The state of one simulated WUN-2.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

// A slowly moving input: offset + amplitude * sin(2 pi t / period), held within 0..10 V.
struct Signal {
  double offset = 0.0;
  double amplitude = 0.0;
  double periodSeconds = 0.0;  // 0: a constant offset
};

struct Device {
  static constexpr std::size_t kMemorySize = 65536;

  std::string id = "ZOR-MIV3AX WUN-2 V1.30";
  bool running = false;
  std::array<Signal, 4> inputs{};
  std::array<double, 4> outputs{};
  double speicherinhalt = 0.0;
  double maxCurrent = 10.0;
  double compartibilityMode = 0.0;
  std::uint8_t status1 = 0;
  std::uint8_t status2 = 0;
  std::uint8_t mode = 0;
  // The line rate the device listens and answers at; a baud-rate write above `maxBaud`
  // (0: no limit) is refused.
  long baudRate = 9600;
  long maxBaud = 0;
  // Memory types 4 and 5, erased (FFh) at start.
  std::vector<std::uint8_t> memory4 = std::vector<std::uint8_t>(kMemorySize, 0xFF);
  std::vector<std::uint8_t> memory5 = std::vector<std::uint8_t>(kMemorySize, 0xFF);
  // "#aM1R" is both the mode register ("$HH") and the parameter "speicherinhalt"
  // (decimal); "#aS1R" both status register 1 ("$HH") and "compartibility_mode"
  // (decimal). These choose the form the device answers.
  bool m1rAsSpeicherinhalt = false;
  bool s1rAsStatus = false;

  std::vector<std::uint8_t>& memory(int type) { return type == 5 ? memory5 : memory4; }
};

}  // namespace sim
