// miv3x-curvegen: start-up, the event loop and the end around the program's frame.
#include <QApplication>

#include "device/Companel.h"
#include "device/OperatorInterface.h"
#include "device/Portnummern.h"
#include "device/SerialService.h"
#include "device/gui/QtOperator.h"
#include "device/qtserial/QtSerialService.h"
#include "shell/Hauptfenster.h"
#include "shell/Programm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);

  device::qtserial::QtSerialService serial;
  device::setSerialService(&serial);
  device::PortquelleSetzen([] {
    std::vector<int> nummern;
    for (const auto& p : device::Portliste()) nummern.push_back(p.nummer);
    return nummern;
  });
  device::gui::QtOperator bediener;
  device::setOperatorInterface(&bediener);

  int ergebnis = 0;
  {
    shell::Programm programm;
    programm.hauptfensterGeladen = [&bediener](QWidget* haupt) {
      bediener.setReferenceWidget(haupt);
    };
    if (programm.starten() != 0) {
      ergebnis = -1;
    } else {
      programm.hauptfenster()->show();
      app.exec();
      programm.beenden();
    }
  }
  device::setOperatorInterface(nullptr);
  device::setSerialService(nullptr);
  return ergebnis;
}
