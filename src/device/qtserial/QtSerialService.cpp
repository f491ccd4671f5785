#include "device/qtserial/QtSerialService.h"

#include <QSerialPort>
#include <chrono>
#include <cmath>

#include "device/Portnummern.h"

#ifdef Q_OS_LINUX
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#endif

namespace device::qtserial {

namespace {

using Uhr = std::chrono::steady_clock;

// Pseudo-terminals (Unix 98 slaves, majors 136..143) take no character size or parity;
// the line settings of a real port are insisted on, those of a pty are not.
bool istPty(QSerialPort& p) {
#ifdef Q_OS_LINUX
  struct stat st {};
  if (fstat(static_cast<int>(p.handle()), &st) != 0) return false;
  const unsigned m = major(st.st_rdev);
  return S_ISCHR(st.st_mode) && m >= 136 && m <= 143;
#else
  (void)p;
  return false;
#endif
}

// The device behind the port is gone: a hung-up line (a pulled USB adapter, a closed
// pseudo-terminal) polls as hang-up or error at once, where a quiet line only times out.
bool aufgelegt(QSerialPort& p) {
  if (p.error() == QSerialPort::ResourceError) return true;
#ifdef Q_OS_LINUX
  pollfd f{static_cast<int>(p.handle()), POLLIN, 0};
  if (f.fd < 0) return true;
  if (poll(&f, 1, 0) > 0 && (f.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) return true;
#endif
  return false;
}

int restMs(Uhr::time_point ende) {
  const auto r = std::chrono::duration_cast<std::chrono::milliseconds>(ende - Uhr::now()).count();
  return r < 0 ? 0 : static_cast<int>(r);
}

}  // namespace

struct QtSerialService::Offen {
  QSerialPort port;
  double timeout = 0.5;
  long baud = 9600;
  bool pty = false;
};

QtSerialService::QtSerialService() = default;

QtSerialService::~QtSerialService() {
  for (auto& [n, o] : offen_) o->port.close();
}

void QtSerialService::setPortPfade(std::map<int, std::string> pfade) {
  pfade_ = std::move(pfade);
  pfadeGesetzt_ = true;
}

std::string QtSerialService::pfadVon(int port) const {
  if (pfadeGesetzt_) {
    const auto it = pfade_.find(port);
    return it == pfade_.end() ? std::string() : it->second;
  }
  return PortPfad(port);
}

QtSerialService::Offen* QtSerialService::finde(int port) {
  const auto it = offen_.find(port);
  return it == offen_.end() ? nullptr : it->second.get();
}

int QtSerialService::OpenComConfig(int port, const std::string& /*deviceName*/, long baudRate,
                                   Parity parity, int dataBits, int stopBits, int inputQueueSize,
                                   int /*outputQueueSize*/) {
  // Opening a port again starts it afresh.
  CloseCom(port);
  const std::string pfad = pfadVon(port);
  if (pfad.empty()) return -1;
  auto o = std::make_unique<Offen>();
  o->port.setPortName(QString::fromStdString(pfad));
  if (!o->port.open(QIODevice::ReadWrite)) return -2;
  o->baud = baudRate;
  const auto db = dataBits == 5   ? QSerialPort::Data5
                  : dataBits == 6 ? QSerialPort::Data6
                  : dataBits == 7 ? QSerialPort::Data7
                                  : QSerialPort::Data8;
  const auto pa = parity == Parity::Odd    ? QSerialPort::OddParity
                  : parity == Parity::Even ? QSerialPort::EvenParity
                                           : QSerialPort::NoParity;
  const auto sb = stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop;
  const bool pty = istPty(o->port);
  bool ok = o->port.setBaudRate(static_cast<qint32>(baudRate)) &&
            o->port.setFlowControl(QSerialPort::NoFlowControl);
  // Each setting on its own, so a refused one does not keep the others from being tried.
  const bool dOk = o->port.setDataBits(db);
  const bool pOk = o->port.setParity(pa);
  const bool sOk = o->port.setStopBits(sb);
  if (!pty) ok = ok && dOk && pOk && sOk;
  if (!ok) {
    o->port.close();
    return -3;
  }
  // Qt keeps every byte the line brings; the system queue holds more than inputQueueSize.
  (void)inputQueueSize;
  o->port.setReadBufferSize(0);
  o->port.clearError();
  o->pty = pty;
  offen_[port] = std::move(o);
  return 0;
}

int QtSerialService::CloseCom(int port) {
  const auto it = offen_.find(port);
  if (it == offen_.end()) return -1;
  it->second->port.close();
  offen_.erase(it);
  return 0;
}

int QtSerialService::SetComTime(int port, double seconds) {
  Offen* o = finde(port);
  if (!o || !(seconds >= 0.0) || seconds > 3600.0) return -1;
  o->timeout = seconds;
  return 0;
}

int QtSerialService::ComWrt(int port, const char* buffer, int count) {
  Offen* o = finde(port);
  if (!o || count < 0) return -1;
  if (aufgelegt(o->port)) return kGeraetWeg;
  const qint64 n = o->port.write(buffer, count);
  if (n < 0) return aufgelegt(o->port) ? kGeraetWeg : -2;
  // The bytes leave Qt's buffer for the system's queue here; a line that takes nothing for
  // the frame's line time plus a second has stalled.
  const double linie = 10.0 * static_cast<double>(count) / static_cast<double>(o->baud);
  const auto ende = Uhr::now() + std::chrono::milliseconds(1000 + static_cast<int>(linie * 1000));
  while (o->port.bytesToWrite() > 0) {
    if (!o->port.waitForBytesWritten(restMs(ende)) && Uhr::now() >= ende) break;
    if (o->port.error() != QSerialPort::NoError && o->port.error() != QSerialPort::TimeoutError)
      return aufgelegt(o->port) ? kGeraetWeg : -3;
  }
  o->port.clearError();
  return static_cast<int>(n);
}

int QtSerialService::ComRdByte(int port) {
  Offen* o = finde(port);
  if (!o) return -1;
  if (o->port.bytesAvailable() == 0) {
    if (aufgelegt(o->port)) return kGeraetWeg;
    const auto ende =
        Uhr::now() + std::chrono::microseconds(static_cast<long long>(o->timeout * 1e6));
    do {
      const bool bereit = o->port.waitForReadyRead(restMs(ende));
      const auto fehler = o->port.error();
      if (fehler != QSerialPort::NoError && fehler != QSerialPort::TimeoutError) {
        const bool weg = aufgelegt(o->port);
        o->port.clearError();
        return weg ? kGeraetWeg : -2;
      }
      o->port.clearError();
      if (!bereit && aufgelegt(o->port)) return kGeraetWeg;
      if (!bereit && Uhr::now() >= ende) break;
    } while (o->port.bytesAvailable() == 0);
    if (o->port.bytesAvailable() == 0) return -3;
  }
  char c = 0;
  if (!o->port.getChar(&c)) return -4;
  return static_cast<unsigned char>(c);
}

int QtSerialService::GetOutQLen(int port) {
  Offen* o = finde(port);
  if (!o) return -1;
  qint64 n = o->port.bytesToWrite();
#ifdef Q_OS_LINUX
  int os = 0;
  if (ioctl(static_cast<int>(o->port.handle()), TIOCOUTQ, &os) != 0)
    return aufgelegt(o->port) ? kGeraetWeg : -2;
  n += os;
#endif
  return static_cast<int>(n);
}

int QtSerialService::FlushInQ(int port) {
  Offen* o = finde(port);
  if (!o) return -1;
  if (o->port.clear(QSerialPort::Input)) return 0;
  return aufgelegt(o->port) ? kGeraetWeg : -2;
}

int QtSerialService::FlushOutQ(int port) {
  Offen* o = finde(port);
  if (!o) return -1;
  // What a pseudo-terminal holds for its other end has been sent already (its output
  // queue never reports it); discarding it would lose a frame the peer has not read yet.
  if (o->pty && o->port.bytesToWrite() == 0) return 0;
  if (o->port.clear(QSerialPort::Output)) return 0;
  return aufgelegt(o->port) ? kGeraetWeg : -2;
}

}  // namespace device::qtserial
