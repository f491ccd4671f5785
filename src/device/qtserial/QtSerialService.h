// The serial-port service on QSerialPort, used synchronously (no event loop): writes are
// pushed out with waitForBytesWritten, single-byte reads wait with waitForReadyRead.
// Port numbers map to device paths through device::PortPfad, or through a map a test sets.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "device/SerialService.h"

class QSerialPort;

namespace device::qtserial {

class QtSerialService final : public SerialService {
 public:
  QtSerialService();
  ~QtSerialService() override;
  QtSerialService(const QtSerialService&) = delete;
  QtSerialService& operator=(const QtSerialService&) = delete;

  // Number -> device path, used instead of the system's port numbering when set.
  void setPortPfade(std::map<int, std::string> pfade);

  int OpenComConfig(int port, const std::string& deviceName, long baudRate, Parity parity,
                    int dataBits, int stopBits, int inputQueueSize, int outputQueueSize) override;
  int CloseCom(int port) override;
  int SetComTime(int port, double seconds) override;
  int ComWrt(int port, const char* buffer, int count) override;
  int ComRdByte(int port) override;
  int GetOutQLen(int port) override;
  int FlushInQ(int port) override;
  int FlushOutQ(int port) override;

 private:
  struct Offen;
  Offen* finde(int port);
  std::string pfadVon(int port) const;

  std::map<int, std::unique_ptr<Offen>> offen_;
  std::map<int, std::string> pfade_;
  bool pfadeGesetzt_ = false;
};

}  // namespace device::qtserial
