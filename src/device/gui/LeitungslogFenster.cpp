#include "device/gui/LeitungslogFenster.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>

#include "device/Fehler.h"

namespace device::gui {

namespace {

// Redraws come at most this often; a transfer records hundreds of frames a second.
constexpr int kTaktMs = 200;

}  // namespace

LeitungslogFenster::LeitungslogFenster(QWidget* parent, const widgets::Fensterumgebung& umgebung)
    : QWidget(parent, Qt::Window),
      umgebung_(umgebung),
      log_(umgebung.Verbindung.Log()),
      filter_(new QComboBox(this)),
      liste_(new QPlainTextEdit(this)),
      anzahl_(new QLabel(this)),
      takt_(new QTimer(this)) {
  setWindowTitle("Line log");
  setObjectName("LEITUNGSLOG");
  filter_->setObjectName("FILTER");
  filter_->addItem("All commands", QString());
  filter_->setToolTip("Show only the frames of one command and their answers");
  liste_->setObjectName("LISTE");
  liste_->setReadOnly(true);
  liste_->setLineWrapMode(QPlainTextEdit::NoWrap);
  liste_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  liste_->setMaximumBlockCount(static_cast<int>(log_.Groesse()));
  auto* speichern = new QPushButton("Save log…", this);
  speichern->setObjectName("SPEICHERN");
  auto* leeren = new QPushButton("Clear", this);
  leeren->setObjectName("LEEREN");

  auto* leiste = new QHBoxLayout;
  leiste->addWidget(new QLabel("Command:", this));
  leiste->addWidget(filter_);
  leiste->addWidget(anzahl_, 1);
  leiste->addWidget(speichern);
  leiste->addWidget(leeren);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(leiste);
  layout->addWidget(liste_);
  resize(760, 420);

  takt_->setSingleShot(true);
  takt_->setInterval(kTaktMs);
  connect(takt_, &QTimer::timeout, this, [this] { Nachtragen(); });
  connect(filter_, &QComboBox::currentIndexChanged, this, [this] { Neuaufbauen(); });
  connect(speichern, &QPushButton::clicked, this, [this] { Speichern(); });
  connect(leeren, &QPushButton::clicked, this, [this] { log_.Leeren(); });
  abo_ = log_.Abonnieren([this] {
    if (!takt_->isActive()) takt_->start();
  });
  Neuaufbauen();
}

LeitungslogFenster::~LeitungslogFenster() = default;

bool LeitungslogFenster::Passt(const Leitungseintrag& e) const {
  const QString befehl = filter_->currentData().toString();
  return befehl.isEmpty() ||
         befehl == QLatin1String(e.Befehl().data(), static_cast<qsizetype>(e.Befehl().size()));
}

void LeitungslogFenster::BefehlAnbieten(const Leitungseintrag& e) {
  if (e.Befehl().empty()) return;
  const QString befehl =
      QString::fromLatin1(e.Befehl().data(), static_cast<qsizetype>(e.Befehl().size()));
  if (filter_->findData(befehl) >= 0) return;
  // Sorted after "All commands"; the choice stays where it is.
  int i = 1;
  while (i < filter_->count() && filter_->itemData(i).toString() < befehl) ++i;
  QSignalBlocker sperre(filter_);
  filter_->insertItem(i, befehl, befehl);
}

void LeitungslogFenster::Nachtragen() {
  takt_->stop();
  if (leerungen_ != log_.Leerungen()) {
    Neuaufbauen();
    return;
  }
  QString neu;
  for (std::size_t i = 0; i < log_.Anzahl(); ++i) {
    const Leitungseintrag& e = log_[i];
    if (e.nummer <= gezeigt_) continue;
    BefehlAnbieten(e);
    if (!Passt(e)) continue;
    if (!neu.isEmpty()) neu += '\n';
    neu += QString::fromStdString(Leitungszeile(e));
  }
  if (log_.Anzahl() > 0) gezeigt_ = log_[log_.Anzahl() - 1].nummer;
  if (!neu.isEmpty()) liste_->appendPlainText(neu);
  anzahl_->setText(QString("%1 frames kept").arg(log_.Anzahl()));
}

void LeitungslogFenster::Neuaufbauen() {
  liste_->clear();
  gezeigt_ = 0;
  leerungen_ = log_.Leerungen();
  Nachtragen();
}

QString LeitungslogFenster::Angezeigt() {
  if (takt_->isActive()) Nachtragen();
  return liste_->toPlainText();
}

int LeitungslogFenster::LogSpeichern(const std::string& pfad) {
  return LeitungstextSpeichern(log_, pfad);
}

void LeitungslogFenster::Speichern() {
  common::OperatorInterface& bediener = umgebung_.BedienerOderStandard();
  common::FileRequest frage;
  frage.title = "Save log";
  frage.pattern = "*.txt";
  frage.mode = common::FileRequest::Mode::Save;
  frage.confirmButton = "Save";
  const auto pfad = bediener.selectFile(frage);
  if (!pfad) return;
  if (const int code = LogSpeichern(*pfad))
    bediener.message({"Line log",
                      std::string(ZOR_Fehlermeldung(code)) + " (#" +
                          std::to_string(std::abs(code)) + "): " + *pfad,
                      {"OK"}});
}

}  // namespace device::gui
