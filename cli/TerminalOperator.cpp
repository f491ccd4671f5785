#include "TerminalOperator.h"

#include <algorithm>

namespace cli {
namespace {

constexpr int kBalkenbreite = 30;

}  // namespace

TerminalOperator::TerminalOperator(std::FILE* ausgabe, bool terminal)
    : ausgabe_(ausgabe), terminal_(terminal) {}

std::string TerminalOperator::Meldungstext(const std::string& titel, const std::string& text) {
  std::string ergebnis = titel + ":";
  bool ersteZeile = true;
  std::size_t anfang = 0;
  while (anfang <= text.size()) {
    std::size_t ende = text.find('\n', anfang);
    if (ende == std::string::npos) ende = text.size();
    std::string zeile = text.substr(anfang, ende - anfang);
    // Texts of the windows end lines in blanks before their break.
    while (!zeile.empty() && zeile.back() == ' ') zeile.pop_back();
    if (!zeile.empty()) {
      ergebnis += ersteZeile ? " " : "\n  ";
      ergebnis += zeile;
      ersteZeile = false;
    }
    anfang = ende + 1;
  }
  return ergebnis + "\n";
}

std::string TerminalOperator::Fortschrittszeile(const std::string& titel, int prozent, int breite) {
  prozent = std::clamp(prozent, 0, 100);
  const int voll = prozent * breite / 100;
  char zahl[8];
  std::snprintf(zahl, sizeof zahl, "%3d%%", prozent);
  return titel + " [" + std::string(static_cast<std::size_t>(voll), '#') +
         std::string(static_cast<std::size_t>(breite - voll), ' ') + "] " + zahl;
}

int TerminalOperator::message(const common::MessageRequest& request) {
  // A message in the middle of a transfer starts on a line of its own.
  if (offen_ && terminal_) std::fputc('\n', ausgabe_);
  std::fputs(Meldungstext(request.title, request.text).c_str(), ausgabe_);
  std::fflush(ausgabe_);
  if (offen_) zeichnen();
  return request.activeButton;
}

std::optional<std::string> TerminalOperator::selectFile(const common::FileRequest&) {
  return std::nullopt;
}

void TerminalOperator::progressOpen(const std::string& title, const std::string&) {
  offen_ = true;
  titel_ = title;
  prozent_ = 0;
  zeichnen();
}

void TerminalOperator::progressSet(int percent) {
  if (!offen_ || percent == prozent_) return;
  prozent_ = percent;
  zeichnen();
}

void TerminalOperator::progressClose() {
  if (!offen_) return;
  offen_ = false;
  if (!terminal_) return;
  std::fputc('\n', ausgabe_);
  std::fflush(ausgabe_);
}

void TerminalOperator::help(const std::string&) {}

void TerminalOperator::zeichnen() {
  if (!terminal_) return;
  std::fputs(("\r" + Fortschrittszeile(titel_, prozent_, kBalkenbreite)).c_str(), ausgabe_);
  std::fflush(ausgabe_);
}

}  // namespace cli
