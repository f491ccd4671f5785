// "Insert function…" of the characteristic window: a function y = f(x) over the mark's X
// range (the whole input without a mark), the same dialog as the curve window's shapes:
// kind, parameters in raw codes, the error bound, a live preview in the graph, the point
// count and largest error; OK puts it in as one undo step, Cancel or Escape changes nothing.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "characteristic/edit/KennlFunktion.h"
#include "widgets/Vorschaudialog.h"

namespace characteristic::gui {

// What the dialog works on: the characteristic's points, its mark, and the undo snapshot
// taken before the points change.
struct Kennlfunktionsziel {
  std::vector<Kennlinienpunkt>& Punkte;
  const Markierung& Mark;
  std::function<void()> Sichern;
};

class Kennlfunktionsdialog : public widgets::Vorschaudialog {
  Q_OBJECT
 public:
  Kennlfunktionsdialog(QWidget* parent, widgets::Kurvengrafik& grafik, Kennlfunktionsziel ziel);

  // Runs the dialog over the mark; true when the function went in.
  bool Ausfuehren();

 private:
  void ArtGewaehlt() override;
  void Berechnen() override;
  void Uebernehmen() override;

  Kennlfunktionsziel ziel_;
  int von_ = 0, bis_ = kRohMax;
  std::optional<Kennlfunktionsergebnis> ergebnis_;
};

}  // namespace characteristic::gui
