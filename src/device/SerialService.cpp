#include "device/SerialService.h"

namespace device {

namespace {

// Stands in while no service is installed: every operation fails, so a driver call
// without a port reports an error instead of touching anything.
class KeinDienst final : public SerialService {
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

KeinDienst keinDienst;
SerialService* aktiv = &keinDienst;

}  // namespace

SerialService& serialService() {
  return *aktiv;
}

void setSerialService(SerialService* service) {
  aktiv = service ? service : &keinDienst;
}

}  // namespace device
