#include "device/MemorySerialService.h"

#include <stdexcept>

namespace device {

void MemorySerialService::connect(int port, Peer peer) {
  ports_.try_emplace(port);
  peers_[port] = std::move(peer);
}

void MemorySerialService::failNext(Op op, int code, int times) {
  failures_[op] = {code == 0 ? -1 : code, times};
}

void MemorySerialService::writeResultNext(int result) {
  writeResultSet_ = true;
  writeResult_ = result;
}

void MemorySerialService::outQueueSequence(std::vector<int> lengths) {
  outQueue_.assign(lengths.begin(), lengths.end());
}

void MemorySerialService::outQueueStuck(int length) {
  outQueueStuck_ = length;
}

void MemorySerialService::arrive(int port, std::string_view bytes) {
  auto& in = ports_.at(port).input;
  in.insert(in.end(), bytes.begin(), bytes.end());
}

const MemorySerialService::PortState& MemorySerialService::state(int port) const {
  return ports_.at(port);
}

int MemorySerialService::calls(Op op) const {
  const auto it = calls_.find(op);
  return it == calls_.end() ? 0 : it->second;
}

int MemorySerialService::fails(Op op) {
  ++calls_[op];
  auto it = failures_.find(op);
  if (it == failures_.end() || it->second.times <= 0) return 0;
  --it->second.times;
  return it->second.code;
}

MemorySerialService::PortState* MemorySerialService::openPort(int port) {
  const auto it = ports_.find(port);
  return it != ports_.end() && it->second.open ? &it->second : nullptr;
}

int MemorySerialService::OpenComConfig(int port, const std::string& deviceName, long baudRate,
                                       Parity parity, int dataBits, int stopBits,
                                       int inputQueueSize, int outputQueueSize) {
  if (const int f = fails(Op::Open)) return f;
  const auto it = ports_.find(port);
  if (it == ports_.end()) return -1;
  PortState& s = it->second;
  s.open = true;
  s.deviceName = deviceName;
  s.baudRate = baudRate;
  s.parity = parity;
  s.dataBits = dataBits;
  s.stopBits = stopBits;
  s.inputQueueSize = inputQueueSize;
  s.outputQueueSize = outputQueueSize;
  s.input.clear();
  return 0;
}

int MemorySerialService::CloseCom(int port) {
  if (const int f = fails(Op::Close)) return f;
  PortState* s = openPort(port);
  if (!s) return -1;
  s->open = false;
  return 0;
}

int MemorySerialService::SetComTime(int port, double seconds) {
  if (const int f = fails(Op::SetTime)) return f;
  PortState* s = openPort(port);
  if (!s || !(seconds >= 0.0)) return -1;
  s->timeout = seconds;
  return 0;
}

int MemorySerialService::ComWrt(int port, const char* buffer, int count) {
  if (const int f = fails(Op::Write)) return f;
  PortState* s = openPort(port);
  if (!s || count < 0) return -1;
  int n = count;
  if (writeResultSet_) {
    writeResultSet_ = false;
    if (writeResult_ < 0) return writeResult_;
    if (writeResult_ < n) n = writeResult_;
  }
  const std::string_view bytes(buffer, static_cast<std::size_t>(n));
  s->written.append(bytes);
  if (const auto& peer = peers_[port]) {
    const std::string reply = peer(bytes);
    s->input.insert(s->input.end(), reply.begin(), reply.end());
  }
  return n;
}

int MemorySerialService::ComRdByte(int port) {
  if (const int f = fails(Op::Read)) return f;
  PortState* s = openPort(port);
  if (!s || s->input.empty()) return -1;
  const auto c = static_cast<unsigned char>(s->input.front());
  s->input.pop_front();
  return c;
}

int MemorySerialService::GetOutQLen(int port) {
  if (const int f = fails(Op::OutQLen)) return f;
  if (!openPort(port)) return -1;
  if (outQueueStuck_ != 0) return outQueueStuck_;
  if (!outQueue_.empty()) {
    const int n = outQueue_.front();
    outQueue_.pop_front();
    return n;
  }
  return 0;
}

int MemorySerialService::FlushInQ(int port) {
  if (const int f = fails(Op::FlushIn)) return f;
  PortState* s = openPort(port);
  if (!s) return -1;
  s->input.clear();
  return 0;
}

int MemorySerialService::FlushOutQ(int port) {
  if (const int f = fails(Op::FlushOut)) return f;
  return openPort(port) ? 0 : -1;
}

}  // namespace device
