// The point dialog ("Point %d", KENNLPUNKTPNL) and the comment dialog (KOMM1PNL) of the
// characteristic window. The point dialog opens at the mouse and marks its point in the
// graph while it is shown; neither has a cancel button.
#pragma once

#include <QPoint>
#include <memory>
#include <string>

#include "characteristic/edit/KennlBearbeiten.h"
#include "widgets/Kommentardialog.h"
#include "widgets/Kurvengrafik.h"

namespace Ui {
class KENNLPUNKTPNL;
}

namespace characteristic::gui {

class Kennldialoge : public KennlPunktdialog {
 public:
  Kennldialoge(QWidget* fenster, widgets::Kurvengrafik& grafik, Kennliniensitzung& sitzung);
  ~Kennldialoge() override;

  // The mouse position in the large graph's pixels, where the point dialog opens.
  void MausSetzen(QPoint maus) { maus_ = maus; }

  KennlPunktfelder Zeigen(int punktIndex, const KennlPunktfelder& felder) override;
  // "Comment - characteristic curve" with the comment; returns the text at OK (at most 999
  // characters, lines joined with a line feed).
  std::string Kommentardialog(const std::string& kommentar);

  QDialog* Punktfenster() const { return punkt_; }
  QDialog* Kommentarfenster() const;
  Ui::KENNLPUNKTPNL& PunktUi() { return *punktUi_; }
  Ui::KOMM1PNL& KommentarUi();

 private:
  widgets::Kurvengrafik& grafik_;
  Kennliniensitzung& sitzung_;
  QPoint maus_;
  QDialog* punkt_;
  std::unique_ptr<Ui::KENNLPUNKTPNL> punktUi_;
  std::unique_ptr<widgets::Kommentardialog> kommentar_;
};

}  // namespace characteristic::gui
