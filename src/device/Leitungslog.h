// What crossed the serial line: every frame sent, every reply and acknowledgement, and
// every change of the line's rate, with its time, the command it belongs to and the code
// the step ended with. The connection owns one; it keeps the last entries in a ring, so a
// long run costs no more memory than a short one. Recording copies the bytes into a slot
// whose buffer is kept from one round of the ring to the next, and formats nothing: the
// text is made only when someone looks.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Meldeliste.h"

namespace common {
class Speicherdatei;
}

namespace device {

inline constexpr int kFehlerLogOeffnen = -308650;    // the log file cannot be created
inline constexpr int kFehlerLogSchreiben = -301651;  // nor written to the end

enum class Leitungsrichtung : std::uint8_t {
  Gesendet,   // a frame the program wrote
  Empfangen,  // an acknowledgement or a reply, possibly none (time-out)
  Rate,       // the port was opened at another rate; the bytes hold the rate
};

struct Leitungseintrag {
  std::uint64_t nummer = 0;  // counts from 1 over the connection's life
  std::chrono::steady_clock::time_point zeit;
  std::chrono::system_clock::time_point wandzeit;  // for showing
  Leitungsrichtung richtung = Leitungsrichtung::Gesendet;
  std::array<char, 4> befehl{};  // the frame's command letters ("IDR"), zero-terminated
  int ergebnis = 0;              // the step's code, 0 when it went well
  std::size_t laenge = 0;        // bytes on the line; `bytes` may hold only the first ones
  std::string bytes;

  std::string_view Befehl() const { return {befehl.data()}; }
};

class Leitungslog {
 public:
  using Abo = common::Meldeliste<>::Abo;
  static constexpr std::size_t kStandardgroesse = 10000;
  // A whole-memory reply runs to 64 KiB; the log keeps its start and its length.
  static constexpr std::size_t kBytesHoechstens = 512;

  explicit Leitungslog(std::size_t groesse = kStandardgroesse);
  Leitungslog(const Leitungslog&) = delete;
  Leitungslog& operator=(const Leitungslog&) = delete;

  void Aufzeichnen(Leitungsrichtung richtung, std::string_view befehl, std::string_view bytes,
                   int ergebnis);

  std::size_t Groesse() const { return groesse_; }
  std::size_t Anzahl() const { return anzahl_; }
  // i = 0 is the oldest entry kept.
  const Leitungseintrag& operator[](std::size_t i) const;
  // The number of the newest entry, 0 when nothing was recorded yet.
  std::uint64_t LetzteNummer() const { return naechsteNummer_ - 1; }
  // The newest entry ends with `ergebnis` after all (a reply that came whole but does not
  // read); nothing when the log is empty.
  void ErgebnisNachtragen(int ergebnis);
  // The command letters of the last frame sent, which the replies belong to.
  std::string_view LetzterBefehl() const { return {letzterBefehl_.data()}; }
  // Forgets every entry; the numbers go on counting.
  void Leeren();
  // How often Leeren was called, so a window sees a clearing it did not do itself.
  std::uint64_t Leerungen() const { return leerungen_; }

  // Told after every entry and after Leeren; a window throttles its redraw itself.
  [[nodiscard]] Abo Abonnieren(std::function<void()> hoerer) {
    return meldungen_.Abonnieren(std::move(hoerer));
  }

 private:
  std::size_t groesse_;
  std::vector<Leitungseintrag> ring_;
  std::size_t erster_ = 0;  // slot of the oldest entry
  std::size_t anzahl_ = 0;
  std::uint64_t naechsteNummer_ = 1;
  std::array<char, 4> letzterBefehl_{};
  std::uint64_t leerungen_ = 0;
  common::Meldeliste<> meldungen_;
};

// The command letters of a frame "#" address letters...: the three characters after the
// address, fewer when the frame is shorter.
std::string_view Befehlsbuchstaben(std::string_view frame);

// Control bytes as <CR>, <ACK>, <NAK>, <CAN>, others as <0xHH>; printable ASCII as it is.
void LesbarAnhaengen(std::string& ziel, std::string_view bytes);

// One line per entry, without a line end:
//   2026-12-08 10:41:54.123  >  IDR       0  #1IDR<CR>
// time in local time with milliseconds, ">" sent, "<" received ("(nothing)" when no byte
// came), "~" a rate change; then the command, the code and the bytes (with "... (N bytes)"
// when only the start is kept).
std::string Leitungszeile(const Leitungseintrag& e);
// The same line without the time stamp.
std::string LeitungszeileOhneZeit(const Leitungseintrag& e);

// Every entry's line, each ending with "\n", oldest first.
std::string Leitungstext(const Leitungslog& log);

// Writes the lines into a file opened already (a caller that must know early whether the
// file can be made opens it first) and puts it in place of its target; 0,
// kFehlerLogOeffnen or kFehlerLogSchreiben.
int LeitungstextSchreiben(const Leitungslog& log, common::Speicherdatei& datei);
// The same into a new file at `pfad`, which replaces the old one only when all is written.
int LeitungstextSpeichern(const Leitungslog& log, const std::string& pfad);

}  // namespace device
