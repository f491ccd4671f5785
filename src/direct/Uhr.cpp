#include "direct/Uhr.h"

#include <ctime>

namespace direct {
namespace {

std::string Lokal(const char* format) {
  const std::time_t jetzt = std::time(nullptr);
  std::tm zeit{};
  if (localtime_r(&jetzt, &zeit) == nullptr) return "";
  char text[32];
  const std::size_t n = std::strftime(text, sizeof text, format, &zeit);
  return std::string(text, n);
}

Systemuhr& Standarduhr() {
  static Systemuhr uhr;
  return uhr;
}

Uhr* aktuelle = nullptr;

}  // namespace

std::string Systemuhr::Datum() {
  return Lokal("%m-%d-%Y");
}

std::string Systemuhr::Uhrzeit() {
  return Lokal("%H:%M:%S");
}

Uhr& DirektUhr() {
  return aktuelle ? *aktuelle : Standarduhr();
}

void DirektUhrSetzen(Uhr* uhr) {
  aktuelle = uhr;
}

}  // namespace direct
