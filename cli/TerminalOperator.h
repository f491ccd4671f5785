// The operator interface of the command-line tool. Messages go to standard error as text
// and are never questions: a message box is answered with its active button, which is
// the choice the tool documents (the equal-length warning sends anyway). File dialogs are
// cancelled (every file is named on the command line). The progress box becomes a bar
// on standard error, drawn only when that is a terminal; Ctrl-C is its Cancel button.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "common/OperatorInterface.h"

namespace cli {

class TerminalOperator : public common::OperatorInterface {
 public:
  // terminal: whether the stream is a terminal (progress bars are drawn only then).
  TerminalOperator(std::FILE* ausgabe, bool terminal);

  int message(const common::MessageRequest& request) override;
  std::optional<std::string> selectFile(const common::FileRequest& request) override;
  void progressOpen(const std::string& title, const std::string& label) override;
  void progressSet(int percent) override;
  void progressClose() override;
  // Ctrl-C while a progress bar runs.
  bool progressCancelled() override;
  void help(const std::string& text) override;

  // "Title: first line", further lines indented by two blanks, empty lines left out.
  static std::string Meldungstext(const std::string& titel, const std::string& text);
  // "Send data [##########          ]  50%" for a bar of `breite` characters.
  static std::string Fortschrittszeile(const std::string& titel, int prozent, int breite);
  // What follows the bar: "  1.2 kB  0.9 kB/s  0:02 left" for the bytes moved in the
  // seconds since the start; the time left from the pace so far, "--:--" at 0 per cent.
  static std::string Transferangaben(std::uint64_t bytes, double sekunden, int prozent);

 private:
  void zeichnen();

  std::FILE* ausgabe_;
  bool terminal_;
  bool offen_ = false;
  std::string titel_;
  int prozent_ = -1;
  std::uint64_t startbytes_ = 0;
  std::chrono::steady_clock::time_point start_{};
};

}  // namespace cli
