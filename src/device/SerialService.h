// The serial-port service the protocol driver talks through. Every call returns a code:
// 0 (or a count, or a byte) on success, negative on failure. Ports are known by number;
// the service maps a number to the operating system's device.
#pragma once

#include <string>

namespace device {

enum class Parity { None = 0, Odd = 1, Even = 2 };

// What any call returns once the port's device is gone (an adapter pulled out, a line
// hung up): unlike a time-out, nothing more will pass until the port is opened afresh.
inline constexpr int kGeraetWeg = -19;

class SerialService {
 public:
  virtual ~SerialService() = default;

  // Opens port `port` under `deviceName` ("com3") with the line settings and queue sizes.
  virtual int OpenComConfig(int port, const std::string& deviceName, long baudRate, Parity parity,
                            int dataBits, int stopBits, int inputQueueSize,
                            int outputQueueSize) = 0;
  virtual int CloseCom(int port) = 0;
  // Sets the time-out of every following single-byte read, in seconds.
  virtual int SetComTime(int port, double seconds) = 0;
  // Writes count bytes; returns the number written or a negative code.
  virtual int ComWrt(int port, const char* buffer, int count) = 0;
  // Reads one byte: 0..255, or negative after the time-out or on an error.
  virtual int ComRdByte(int port) = 0;
  // Bytes still waiting in the output queue, or negative on failure.
  virtual int GetOutQLen(int port) = 0;
  // Discard the input or output queue; non-zero on failure.
  virtual int FlushInQ(int port) = 0;
  virtual int FlushOutQ(int port) = 0;
};

// Stands in where no service is installed (a connection without a port): every call
// fails, so a command reports an error instead of touching anything.
SerialService& KeinDienst();

}  // namespace device
