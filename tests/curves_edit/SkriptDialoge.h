// Editor dialogs for tests: answers are queued in advance, every dialog shown is recorded.
// A dialog without a queued answer confirms its fields unchanged; the menu then chooses
// nothing.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "curves/edit/Editordialoge.h"

namespace testsupport {

class SkriptDialoge : public curves::Editordialoge {
 public:
  void punktAntwort(curves::Punktfelder f) { punktAntworten_.push_back(f); }
  void geradenAntwort(curves::Zeitfelder f) { geradenAntworten_.push_back(f); }
  void menueAntwort(int code) { menueAntworten_.push_back(code); }

  curves::Punktfelder Punktdialog(int punktIndex, const curves::Punktfelder& felder,
                                  const std::string& yEinheit) override {
    punktAufrufe.push_back({punktIndex, felder, yEinheit});
    if (punktAntworten_.empty()) return felder;
    auto f = punktAntworten_.front();
    punktAntworten_.pop_front();
    return f;
  }
  curves::Zeitfelder Geradendialog(int linienIndex, const curves::Zeitfelder& felder) override {
    geradenAufrufe.push_back({linienIndex, felder});
    if (geradenAntworten_.empty()) return felder;
    auto f = geradenAntworten_.front();
    geradenAntworten_.pop_front();
    return f;
  }
  int ZeitbasisMenue(int aktuellerCode) override {
    menueAufrufe.push_back(aktuellerCode);
    if (menueAntworten_.empty()) return 0;
    int c = menueAntworten_.front();
    menueAntworten_.pop_front();
    return c;
  }

  struct PunktAufruf {
    int index;
    curves::Punktfelder felder;
    std::string einheit;
  };
  struct GeradenAufruf {
    int index;
    curves::Zeitfelder felder;
  };
  std::vector<PunktAufruf> punktAufrufe;
  std::vector<GeradenAufruf> geradenAufrufe;
  std::vector<int> menueAufrufe;

 private:
  std::deque<curves::Punktfelder> punktAntworten_;
  std::deque<curves::Zeitfelder> geradenAntworten_;
  std::deque<int> menueAntworten_;
};

}  // namespace testsupport
