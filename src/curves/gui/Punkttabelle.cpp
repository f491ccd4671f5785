#include "curves/gui/Punkttabelle.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>

#include "curves/edit/BearbeitenHilfen.h"
#include "curves/model/Ausgangseinheit.h"
#include "curves/model/Kurvenmodell.h"
#include "widgets/Kurvengrafik.h"

namespace curves::gui {

// ---- Model ----

Punkttabellenmodell::Punkttabellenmodell(Kurvensitzung& sitzung, QObject* parent)
    : QAbstractTableModel(parent), sitzung_(sitzung) {}

int Punkttabellenmodell::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : AktuelleKurveDaten(sitzung_).Punktanzahl();
}

int Punkttabellenmodell::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kPunktspalten;
}

double Punkttabellenmodell::Startzeit(int i) const {
  if (!startGueltig_) {
    StartzeitenBerechnen(AktuelleKurveDaten(sitzung_), start_);
    startGueltig_ = true;
  }
  return start_.at(i);
}

QVariant Punkttabellenmodell::data(const QModelIndex& index, int role) const {
  const Kurve& k = AktuelleKurveDaten(sitzung_);
  if (!index.isValid() || index.row() >= k.Punktanzahl()) return {};
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  const int i = index.row();
  const Punktzeile z =
      PunktzeileLesen(sitzung_, k, sitzung_.gKurven.AktuelleKurve, i, Startzeit(i));
  return QString::fromStdString(PunktzelleText(z, static_cast<Punktspalte>(index.column())));
}

QVariant Punkttabellenmodell::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  const QString einheit =
      QString::fromStdString(Einheitname(sitzung_, sitzung_.gKurven.AktuelleKurve));
  switch (static_cast<Punktspalte>(section)) {
    case Punktspalte::Start:
      return "Start";
    case Punktspalte::Laenge:
      return "Length";
    case Punktspalte::Zeitbasis:
      return "Timebase";
    case Punktspalte::Wert:
      return einheit.isEmpty() ? QString("Value") : QString("Value [%1]").arg(einheit);
    case Punktspalte::Codes:
      return "Codes";
    case Punktspalte::Steigung:
      return einheit.isEmpty() ? QString("Slope [/s]") : QString("Slope [%1/s]").arg(einheit);
  }
  return {};
}

Qt::ItemFlags Punkttabellenmodell::flags(const QModelIndex& index) const {
  Qt::ItemFlags f = QAbstractTableModel::flags(index);
  if (index.isValid() && static_cast<Punktspalte>(index.column()) != Punktspalte::Steigung)
    f |= Qt::ItemIsEditable;
  return f;
}

bool Punkttabellenmodell::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  // The delegate hands back the shown text when nothing was typed: no edit, no undo step.
  if (value.toString() == data(index, Qt::EditRole).toString()) return false;
  const int geaendert =
      PunktzelleSetzen(sitzung_, index.row(), static_cast<Punktspalte>(index.column()),
                       value.toString().toStdString());
  startGueltig_ = false;
  // The window redraws (and rereads the table) once the editor has closed: a reset while
  // the delegate still commits would pull the editor away beneath it.
  if (geaendert)
    QMetaObject::invokeMethod(this, &Punkttabellenmodell::Geaendert, Qt::QueuedConnection);
  return geaendert != 0;
}

void Punkttabellenmodell::Neuladen(bool zuruecksetzen) {
  startGueltig_ = false;
  const int n = rowCount();
  if (!zuruecksetzen && n == zeilen_) {
    emit dataChanged(index(0, 0), index(n - 1, kPunktspalten - 1));
    emit headerDataChanged(Qt::Horizontal, 0, kPunktspalten - 1);
    return;
  }
  beginResetModel();
  zeilen_ = n;
  endResetModel();
}

// ---- Dock ----

Punkttabelle::Punkttabelle(Kurvensitzung& sitzung, widgets::Kurvengrafik& grafik, QWidget* parent)
    : QDockWidget("Point table", parent),
      sitzung_(sitzung),
      grafik_(grafik),
      graph_(grafik.Graph()) {
  setObjectName("PUNKTTABELLE");
  modell_ = new Punkttabellenmodell(sitzung_, this);
  ansicht_ = new QTableView(this);
  ansicht_->setObjectName("PUNKTTABELLENANSICHT");
  ansicht_->setModel(modell_);
  ansicht_->setSelectionBehavior(QAbstractItemView::SelectRows);
  ansicht_->setSelectionMode(QAbstractItemView::SingleSelection);
  ansicht_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
  // Fixed row heights and column widths: the view never measures all rows.
  ansicht_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  ansicht_->verticalHeader()->setDefaultSectionSize(ansicht_->fontMetrics().height() + 6);
  ansicht_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  ansicht_->horizontalHeader()->setDefaultSectionSize(78);
  // Wide enough for every column beside the graph.
  ansicht_->setMinimumWidth(kPunktspalten * 78 + 70);
  ansicht_->setToolTip(
      "Double-click a cell to edit it; Alt+Up/Down moves the point's value by "
      "one grid step, Alt+Left/Right its time by one time-base unit.");
  ansicht_->installEventFilter(this);
  setWidget(ansicht_);
  connect(ansicht_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &Punkttabelle::AuswahlGeaendert);
  graph_->installEventFilter(this);
}

void Punkttabelle::Aktualisieren() {
  if (!isVisible()) {
    veraltet_ = true;
    return;
  }
  const bool zuruecksetzen = veraltet_;
  veraltet_ = false;
  const int gewaehlt = GewaehlterPunkt();
  const int spalte = std::max(ansicht_->currentIndex().column(), 0);
  modell_->Neuladen(zuruecksetzen);
  if (gewaehlt >= 0 && gewaehlt < modell_->rowCount() && GewaehlterPunkt() != gewaehlt) {
    QSignalBlocker sperre(ansicht_->selectionModel());
    ansicht_->setCurrentIndex(modell_->index(gewaehlt, spalte));
  }
  AuswahlGeaendert();
}

void Punkttabelle::showEvent(QShowEvent* ereignis) {
  QDockWidget::showEvent(ereignis);
  if (veraltet_) Aktualisieren();
}

int Punkttabelle::GewaehlterPunkt() const {
  const QModelIndex i = ansicht_->currentIndex();
  return i.isValid() ? i.row() : -1;
}

void Punkttabelle::PunktWaehlen(int i) {
  if (i < 0 || i >= modell_->rowCount()) return;
  const int spalte = std::max(ansicht_->currentIndex().column(), 0);
  ansicht_->setCurrentIndex(modell_->index(i, spalte));
  ansicht_->scrollTo(modell_->index(i, spalte));
}

void Punkttabelle::AuswahlGeaendert() {
  const int i = GewaehlterPunkt();
  const Kurve& k = AktuelleKurveDaten(sitzung_);
  if (i < 0 || i >= k.Punktanzahl() || !isVisible()) {
    grafik_.PunktHervorheben(false);
    return;
  }
  grafik_.PunktHervorheben(true, modell_->Startzeit(i), k.Punkte[i].Y);
}

void Punkttabelle::Schieben(int wert, int zeit) {
  const int i = GewaehlterPunkt();
  if (i < 0) return;
  const int geaendert =
      wert ? PunktWertSchieben(sitzung_, i, wert) : PunktZeitSchieben(sitzung_, i, zeit);
  if (geaendert) emit modell_->Geaendert();
}

bool Punkttabelle::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == ansicht_ && ereignis->type() == QEvent::KeyPress) {
    auto* e = static_cast<QKeyEvent*>(ereignis);
    if (e->modifiers() == Qt::AltModifier) {
      switch (e->key()) {
        case Qt::Key_Up:
          Schieben(1, 0);
          return true;
        case Qt::Key_Down:
          Schieben(-1, 0);
          return true;
        case Qt::Key_Right:
          Schieben(0, 1);
          return true;
        case Qt::Key_Left:
          Schieben(0, -1);
          return true;
        default:
          break;
      }
    }
  }
  // A click in the graph picks the nearest point's row; the tools see the click as well.
  if (objekt == graph_ && ereignis->type() == QEvent::MouseButtonPress && isVisible()) {
    auto* e = static_cast<QMouseEvent*>(ereignis);
    if (e->button() == Qt::LeftButton) {
      const QPointF p = widgets::KoordinatenImSichtbereich(grafik_.Graph(), e->position());
      PunktWaehlen(NaechsterPunkt(sitzung_, p.x(), p.y()));
    }
  }
  return QDockWidget::eventFilter(objekt, ereignis);
}

}  // namespace curves::gui
