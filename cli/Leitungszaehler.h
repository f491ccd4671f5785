// Counts the bytes that cross the serial line (frames written, reply bytes read), so the
// progress bar can show how much a transfer has moved and how fast.
#pragma once

#include <cstdint>

#include "device/SerialService.h"

namespace cli {

// Bytes written and read through any Leitungszaehler of this process so far.
std::uint64_t Leitungsbytes();

class Leitungszaehler final : public device::SerialService {
 public:
  explicit Leitungszaehler(device::SerialService& dienst) : dienst_(dienst) {}

  int OpenComConfig(int port, const std::string& deviceName, long baudRate, device::Parity parity,
                    int dataBits, int stopBits, int inputQueueSize, int outputQueueSize) override;
  int CloseCom(int port) override;
  int SetComTime(int port, double seconds) override;
  int ComWrt(int port, const char* buffer, int count) override;
  int ComRdByte(int port) override;
  int GetOutQLen(int port) override;
  int FlushInQ(int port) override;
  int FlushOutQ(int port) override;

 private:
  device::SerialService& dienst_;
};

}  // namespace cli
