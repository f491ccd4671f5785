#include "device/SerialService.h"

namespace device {

namespace {

class Fehldienst final : public SerialService {
 public:
  int OpenComConfig(int, const std::string&, long, Parity, int, int, int, int) override {
    return -1;
  }
  int CloseCom(int) override { return -1; }
  int SetComTime(int, double) override { return -1; }
  int ComWrt(int, const char*, int) override { return -1; }
  int ComRdByte(int) override { return -1; }
  int GetOutQLen(int) override { return -1; }
  int FlushInQ(int) override { return -1; }
  int FlushOutQ(int) override { return -1; }
};

}  // namespace

SerialService& KeinDienst() {
  // Holds no state: one instance serves every connection.
  static Fehldienst dienst;
  return dienst;
}

}  // namespace device
