// A serial-port service without hardware: each port is wired to an in-process peer that
// receives the bytes written and returns the bytes it answers (a simulated device plugs in
// directly). Every operation can be made to fail on demand, so each error path of the
// driver can be reached. Reads never wait: an empty input queue is an immediate time-out.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "device/SerialService.h"

namespace device {

class MemorySerialService final : public SerialService {
 public:
  using Peer = std::function<std::string(std::string_view written)>;

  enum class Op { Open, Close, SetTime, Write, Read, OutQLen, FlushIn, FlushOut };

  struct PortState {
    bool open = false;
    std::string deviceName;
    long baudRate = 0;
    Parity parity = Parity::None;
    int dataBits = 0;
    int stopBits = 0;
    int inputQueueSize = 0;
    int outputQueueSize = 0;
    double timeout = 0.0;
    std::deque<char> input;  // bytes waiting to be read
    std::string written;     // everything written so far
  };

  // Makes port `port` exist, answered by `peer` (none: nothing answers).
  void connect(int port, Peer peer = {});

  // The next `times` calls of `op` (on any port) fail with `code`.
  void failNext(Op op, int code = -1, int times = 1);
  // The next write reports `result` (fewer bytes than asked, or negative); only that many
  // bytes reach the peer.
  void writeResultNext(int result);
  // The output-queue lengths the next queries report, one per query; then 0 again.
  void outQueueSequence(std::vector<int> lengths);
  // Every output-queue query reports `length` (a queue that never drains); 0 ends it.
  void outQueueStuck(int length);
  // Bytes put into the input queue as if they had arrived.
  void arrive(int port, std::string_view bytes);

  const PortState& state(int port) const;
  // How often `op` was called.
  int calls(Op op) const;

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
  struct Failure {
    int code = 0;
    int times = 0;
  };
  // Counts the call; a pending failure gives its code (non-zero).
  int fails(Op op);
  PortState* openPort(int port);

  std::map<int, PortState> ports_;
  std::map<int, Peer> peers_;
  std::map<Op, Failure> failures_;
  std::map<Op, int> calls_;
  bool writeResultSet_ = false;
  int writeResult_ = 0;
  std::deque<int> outQueue_;
  int outQueueStuck_ = 0;
};

}  // namespace device
