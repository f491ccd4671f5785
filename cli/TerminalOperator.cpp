#include "TerminalOperator.h"

#include <signal.h>

#include <algorithm>
#include <cmath>

#include "Leitungszaehler.h"
#include "common/KlassischeZahlen.h"

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

std::string TerminalOperator::Transferangaben(std::uint64_t bytes, double sekunden, int prozent) {
  const common::KlassischeZahlen zahlen;
  auto Menge = [](double b) {
    char text[32];
    if (b < 1000.0)
      std::snprintf(text, sizeof text, "%.0f B", b);
    else if (b < 1e6)
      std::snprintf(text, sizeof text, "%.1f kB", b / 1e3);
    else
      std::snprintf(text, sizeof text, "%.1f MB", b / 1e6);
    return std::string(text);
  };
  const double b = static_cast<double>(bytes);
  std::string rest = "--:--";
  if (prozent > 0 && sekunden > 0.0) {
    const long s = std::lround(sekunden * (100 - std::min(prozent, 100)) / prozent);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
    rest = text;
  }
  return "  " + Menge(b) + "  " + (sekunden > 0.0 ? Menge(b / sekunden) : Menge(0)) + "/s  " +
         rest + " left";
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

namespace {

volatile sig_atomic_t gUnterbrochen = 0;
struct sigaction gVorher {};

void Unterbrechen(int) {
  gUnterbrochen = 1;
}

}  // namespace

void TerminalOperator::progressOpen(const std::string& title, const std::string&) {
  // While a transfer runs, Ctrl-C is its Cancel button: it stops between two blocks, so a
  // device switched to another rate is brought back first.
  gUnterbrochen = 0;
  struct sigaction aktion {};
  aktion.sa_handler = Unterbrechen;
  sigemptyset(&aktion.sa_mask);
  sigaction(SIGINT, &aktion, &gVorher);
  offen_ = true;
  titel_ = title;
  prozent_ = 0;
  startbytes_ = Leitungsbytes();
  start_ = std::chrono::steady_clock::now();
  zeichnen();
}

void TerminalOperator::progressSet(int percent) {
  if (!offen_ || percent == prozent_) return;
  prozent_ = percent;
  zeichnen();
}

bool TerminalOperator::progressCancelled() {
  return offen_ && gUnterbrochen != 0;
}

void TerminalOperator::progressClose() {
  if (!offen_) return;
  offen_ = false;
  sigaction(SIGINT, &gVorher, nullptr);
  if (!terminal_) return;
  std::fputc('\n', ausgabe_);
  std::fflush(ausgabe_);
}

void TerminalOperator::help(const std::string&) {}

void TerminalOperator::zeichnen() {
  if (!terminal_) return;
  const double sekunden =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  // Blanks after the text wipe what a longer line left.
  std::fputs(("\r" + Fortschrittszeile(titel_, prozent_, kBalkenbreite) +
              Transferangaben(Leitungsbytes() - startbytes_, sekunden, prozent_) + "   ")
                 .c_str(),
             ausgabe_);
  std::fflush(ausgabe_);
}

}  // namespace cli
