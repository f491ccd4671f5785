// miv3x-curvegen: start-up, the event loop and the end around the program's frame.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "common/OperatorInterface.h"
#include "device/Portnummern.h"
#include "device/Verbindung.h"
#include "device/qtserial/QtSerialService.h"
#include "shell/Hauptfenster.h"
#include "shell/Programm.h"
#include "shell/Programmhilfe.h"
#include "widgets/Navigation.h"
#include "widgets/QtOperator.h"

int main(int argc, char** argv) {
  // Answered before the window system starts, so they work without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(shell::Programmhilfe(), stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("miv3x-curvegen %s\n", shell::kVersion);
      return 0;
    }
  }
  bool alleFenster = false;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--all-windows") == 0) alleFenster = true;
  QApplication app(argc, argv);
  // Ties the windows to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName("miv3x-curvegen");

  device::qtserial::QtSerialService serial;
  device::Verbindung verbindung(&serial);
  verbindung.PortquelleSetzen([] {
    std::vector<int> nummern;
    for (const auto& p : device::Portliste()) nummern.push_back(p.nummer);
    return nummern;
  });
  widgets::QtOperator bediener;
  common::setOperatorInterface(&bediener);

  int ergebnis = 0;
  {
    shell::Programm programm(verbindung, shell::StandardFenstermodule(verbindung));
    programm.umgebung.Bediener = &bediener;
    // Before the windows are built: their menus are made with what is offered.
    programm.navigation.AlleFenster = alleFenster;
    programm.hauptfensterGeladen = [&bediener](QWidget* haupt) {
      bediener.setReferenceWidget(haupt);
    };
    if (programm.Starten() != 0) {
      ergebnis = -1;
    } else {
      programm.Haupt()->show();
      app.exec();
      programm.Beenden();
    }
  }
  common::setOperatorInterface(nullptr);
  return ergebnis;
}
