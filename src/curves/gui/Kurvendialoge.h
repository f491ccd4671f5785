// The point dialog (KPUNKTPNL), the line dialog (KGERADEPNL), the time-base pop-up menu and
// the comment dialog (KOMM1PNL) of the curve window. The dialogs open at the mouse and mark
// their point or line in the graph while they are shown. None has a cancel button; the
// point and line dialogs left by Escape or the title bar's close change nothing.
#pragma once

#include <QPoint>
#include <QString>
#include <memory>

#include "curves/edit/Editordialoge.h"
#include "widgets/Kommentardialog.h"

class QMenu;
namespace Ui {
class KPUNKTPNL;
class KGERADEPNL;
}  // namespace Ui
namespace widgets {
class Kurvengrafik;
}

namespace curves::gui {

inline constexpr int kVorschauZeichen = 30;

class Kurvendialoge : public Editordialoge {
 public:
  Kurvendialoge(QWidget* fenster, widgets::Kurvengrafik& grafik, Kurvensitzung& sitzung);
  ~Kurvendialoge() override;

  // The mouse position in the large graph's pixels, where the dialogs and the menu open.
  void MausSetzen(QPoint maus) { maus_ = maus; }

  Punktfelder Punktdialog(int punktIndex, const Punktfelder& felder,
                          const std::string& yEinheit) override;
  Zeitfelder Geradendialog(int linienIndex, const Zeitfelder& felder) override;
  int ZeitbasisMenue(int aktuellerCode) override;

  // The comment of curve `kurve` (0..3) edited in KOMM1PNL; returns the new text (at most
  // 999 characters, lines joined with a line feed).
  std::string Kommentardialog(int kurve, const std::string& kommentar);

  QDialog* Punktfenster() const { return punkt_; }
  QDialog* Geradenfenster() const { return gerade_; }
  QDialog* Kommentarfenster() const;
  Ui::KPUNKTPNL& PunktUi() { return *punktUi_; }
  Ui::KGERADEPNL& GeradeUi() { return *geradeUi_; }
  Ui::KOMM1PNL& KommentarUi();
  // The menu while it is open (for tests), else nullptr.
  QMenu* OffenesMenue() const { return offenesMenue_; }

 private:
  void AnMausPlatzieren(QDialog* d);

  QWidget* fenster_;
  Kurvensitzung& sitzung_;
  widgets::Kurvengrafik& grafik_;
  QPoint maus_;
  QDialog* punkt_;
  QDialog* gerade_;
  std::unique_ptr<Ui::KPUNKTPNL> punktUi_;
  std::unique_ptr<Ui::KGERADEPNL> geradeUi_;
  std::unique_ptr<widgets::Kommentardialog> kommentar_;
  QMenu* offenesMenue_ = nullptr;
};

// The first 30 characters of a comment, as the preview field shows it.
QString KommentarVorschau(const std::string& kommentar);

}  // namespace curves::gui
