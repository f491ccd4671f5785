#include "support_sim/SimPort.h"

#include <QCoreApplication>
#include <filesystem>
#include <stdexcept>

#include "device/Protokoll.h"

namespace testsupport {

void QtAnwendungSicherstellen() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "miv3x-tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  (void)app;
}

SimPort::SimPort(SimPortOptions options)
    : options_(std::move(options)), engine_(options_.addresses), runner_(engine_) {
  QtAnwendungSicherstellen();
  for (const auto& [a, id] : options_.ids) engine_.setId(a, id);
  if (options_.viaLink) {
    ordner_.emplace();
    link_ = ordner_->file("tty");
  }
  comeBack();
  service_.setPortPfade({{options_.port, path()}});
  const int r = device::ZORFYD1_Open(verbindung_, options_.port, options_.baud);
  if (r != 0) {
    throw std::runtime_error("simulator port " + runner_.path() +
                             " not opened: " + std::to_string(r));
  }
  device::ZORFYD1_Timeout(verbindung_, options_.port, options_.timeout);
}

void SimPort::vanish() {
  runner_.close();
  std::error_code ec;
  if (!link_.empty()) std::filesystem::remove(link_, ec);
}

void SimPort::comeBack() {
  if (!runner_.openPty()) throw std::runtime_error("simulator: " + runner_.error());
  runner_.setPacing(options_.pacingBaud);
  runner_.followLineRates(options_.lineRates);
  if (!runner_.start()) throw std::runtime_error("simulator: " + runner_.error());
  if (link_.empty()) return;
  std::error_code ec;
  std::filesystem::remove(link_, ec);
  std::filesystem::create_symlink(runner_.path(), link_, ec);
  if (ec) throw std::runtime_error("simulator link " + link_ + ": " + ec.message());
}

SimPort::~SimPort() {
  device::ZORFYD1_Close(verbindung_, options_.port);
  runner_.stop();
}

SimMemory::SimMemory(const std::string& addresses, int port) : port_(port), engine_(addresses) {
  service_.connect(port_, [this](std::string_view bytes) { return engine_.feed(bytes); });
  device::ZORFYD1_Open(verbindung_, port_, 9600);
  device::ZORFYD1_Timeout(verbindung_, port_, 0.5);
}

SimMemory::~SimMemory() {
  device::ZORFYD1_Close(verbindung_, port_);
}

}  // namespace testsupport
