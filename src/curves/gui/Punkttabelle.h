// The point table beside the curve graph: one row per point of the current curve, read
// straight from the session's points (nothing copied per row), so opening, scrolling and
// editing cost the visible rows. Selecting a row marks its point in the graph, a click in
// the graph selects the nearest point's row; a cell edit and Alt+arrow nudges go through
// the point dialog's operations.
#pragma once

#include <QAbstractTableModel>
#include <QDockWidget>
#include <vector>

#include "curves/edit/Punktzeilen.h"
#include "curves/model/Kurvensitzung.h"

class QTableView;

namespace widgets {
class Kurvengrafik;
}

namespace curves::gui {

class Punkttabellenmodell : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit Punkttabellenmodell(Kurvensitzung& sitzung, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // After anything changed the curve, the current curve or the scaling. With as many
  // points as before the rows only show anew (the selection, the scroll position and an
  // open editor stay); else, or when asked, the model is reset.
  void Neuladen(bool zuruecksetzen = false);
  // The start time of point i (the curve's length for i = count).
  double Startzeit(int i) const;

 signals:
  // After an edit changed the curve (the window redraws).
  void Geaendert();

 private:
  Kurvensitzung& sitzung_;
  mutable std::vector<double> start_;  // built on the first look after a change
  mutable bool startGueltig_ = false;
  int zeilen_ = 0;  // the rows the view was last told of
};

class Punkttabelle : public QDockWidget {
  Q_OBJECT
 public:
  Punkttabelle(Kurvensitzung& sitzung, widgets::Kurvengrafik& grafik, QWidget* parent);

  Punkttabellenmodell& Modell() { return *modell_; }
  QTableView* Ansicht() const { return ansicht_; }
  // Rereads the curve, keeping the selected row; nothing while the table is hidden.
  void Aktualisieren();
  // The selected point, -1 when none.
  int GewaehlterPunkt() const;
  void PunktWaehlen(int i);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
  void showEvent(QShowEvent* ereignis) override;

 private:
  void AuswahlGeaendert();
  void Schieben(int wert, int zeit);

  Kurvensitzung& sitzung_;
  widgets::Kurvengrafik& grafik_;
  QObject* graph_;  // the large graph, whose clicks select rows
  Punkttabellenmodell* modell_;
  QTableView* ansicht_;
  bool veraltet_ = true;  // the curve changed while the table was hidden
};

}  // namespace curves::gui
