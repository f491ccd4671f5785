// Date and time for the log records, and the polling timer: what the direct input/output
// logic asks of the clock. The window drives the timer with its event loop, the
// command-line tool with a loop of its own, tests with a fixed clock.
#pragma once

#include <string>

namespace direct {

class Uhr {
 public:
  virtual ~Uhr() = default;

  // Local date as "MM-DD-YYYY" and local time as "HH:MM:SS".
  virtual std::string Datum() = 0;
  virtual std::string Uhrzeit() = 0;

  // The polling timer. While it is on, its owner calls DirektTimer_Callback once per
  // interval (seconds), on the thread that runs every other callback.
  virtual void TimerSchalten(bool an) = 0;
  virtual void TimerIntervallSetzen(double sekunden) = 0;
};

// The system's clock with a timer that only records its setting (Direktpanel() shows it):
// the base of the window's and the tool's clocks.
class Systemuhr : public Uhr {
 public:
  std::string Datum() override;
  std::string Uhrzeit() override;
  void TimerSchalten(bool) override {}
  void TimerIntervallSetzen(double) override {}
};

struct Direktsitzung;

// The session's clock; until one is set, a Systemuhr.
Uhr& DirektUhr(Direktsitzung& s);
// Installs a clock (not owned); nullptr restores the system clock.
void DirektUhrSetzen(Direktsitzung& s, Uhr* uhr);

}  // namespace direct
