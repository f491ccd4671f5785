#include "Leitungszaehler.h"

namespace cli {
namespace {

std::uint64_t bytes = 0;

}  // namespace

std::uint64_t Leitungsbytes() {
  return bytes;
}

int Leitungszaehler::OpenComConfig(int port, const std::string& deviceName, long baudRate,
                                   device::Parity parity, int dataBits, int stopBits,
                                   int inputQueueSize, int outputQueueSize) {
  return dienst_.OpenComConfig(port, deviceName, baudRate, parity, dataBits, stopBits,
                               inputQueueSize, outputQueueSize);
}

int Leitungszaehler::CloseCom(int port) {
  return dienst_.CloseCom(port);
}

int Leitungszaehler::SetComTime(int port, double seconds) {
  return dienst_.SetComTime(port, seconds);
}

int Leitungszaehler::ComWrt(int port, const char* buffer, int count) {
  const int n = dienst_.ComWrt(port, buffer, count);
  if (n > 0) bytes += static_cast<std::uint64_t>(n);
  return n;
}

int Leitungszaehler::ComRdByte(int port) {
  const int b = dienst_.ComRdByte(port);
  if (b >= 0) ++bytes;
  return b;
}

int Leitungszaehler::GetOutQLen(int port) {
  return dienst_.GetOutQLen(port);
}

int Leitungszaehler::FlushInQ(int port) {
  return dienst_.FlushInQ(port);
}

int Leitungszaehler::FlushOutQ(int port) {
  return dienst_.FlushOutQ(port);
}

}  // namespace cli
