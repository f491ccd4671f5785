#include "direct/Uhr.h"

#include <ctime>

#include "direct/Direktsitzung.h"

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

// Holds nothing, so every session may share it.
Systemuhr& Standarduhr() {
  static Systemuhr uhr;
  return uhr;
}

}  // namespace

std::string Systemuhr::Datum() {
  return Lokal("%m-%d-%Y");
}

std::string Systemuhr::Uhrzeit() {
  return Lokal("%H:%M:%S");
}

Uhr& DirektUhr(Direktsitzung& s) {
  return s.Zeitgeber ? *s.Zeitgeber : Standarduhr();
}

void DirektUhrSetzen(Direktsitzung& s, Uhr* uhr) {
  s.Zeitgeber = uhr;
}

}  // namespace direct
