// miv3x: the curve generator's and the characteristic controller's file and transfer
// operations, and the direct input/output window's readings and settings, from the
// command line.
#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "Aufruf.h"
#include "Austauschbefehle.h"
#include "Bildbefehle.h"
#include "Dateibefehle.h"
#include "Direktbefehle.h"
#include "Fehlerausgabe.h"
#include "Formbefehl.h"
#include "Geraetebefehle.h"
#include "Hilfe.h"
#include "Kennlinienbefehle.h"
#include "Statistikbefehl.h"
#include "Steuerbefehle.h"
#include "TerminalOperator.h"
#include "common/OperatorInterface.h"
#include "device/Fehler.h"

namespace {

int Ausfuehren(const cli::Aufruf& aufruf) {
  const std::string& b = aufruf.befehl;
  if (b == "ports") return cli::PortsAuflisten();
  if (b == "id") return cli::IdLesen(aufruf);
  if (b == "scan") return cli::Suchen(aufruf);
  if (b == "send") return cli::Senden(aufruf);
  if (b == "read") return cli::Lesen(aufruf);
  if (b == "export") return cli::Exportieren(aufruf);
  if (b == "import") return cli::Importieren(aufruf);
  if (b == "import-csv") return cli::CsvImportieren(aufruf);
  if (b == "char-send") return cli::KennlinieSenden(aufruf);
  if (b == "char-read") return cli::KennlinieLesen(aufruf);
  if (b == "char-select") return cli::KennlinieAnwaehlen(aufruf);
  if (b == "char-export") return cli::KennlinieExportieren(aufruf);
  if (b == "char-import") return cli::KennlinieImportieren(aufruf);
  if (b == "char-image") return cli::KennlinienbildAusgeben(aufruf);
  if (b == "inputs") return cli::EingaengeLesen(aufruf);
  if (b == "output") return cli::AusgangSetzen(aufruf);
  if (b == "zero") return cli::AusgaengeAufNull(aufruf);
  if (b == "shape") return cli::FormAusgeben(aufruf);
  if (b == "stats") return cli::StatistikAusgeben(aufruf);
  if (b == "start") return cli::Starten(aufruf);
  if (b == "stop") return cli::Stoppen(aufruf);
  if (b == "status") return cli::StatusAusgeben(aufruf);
  if (b == "mode") return cli::ModusAendern(aufruf);
  if (b == "plot") return cli::KurvenBildZeichnen(aufruf);
  if (b == "char-plot") return cli::KennlinienBildZeichnen(aufruf);
  return cli::BildAusgeben(aufruf);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> argumente(argv + 1, argv + argc);
  cli::Aufruf aufruf;
  std::string grund;
  if (!cli::AufrufAuswerten(argumente, aufruf, grund))
    return cli::AufrufFehlerMelden(aufruf.befehl, grund);
  if (aufruf.hilfe) {
    std::fputs(aufruf.befehl.empty() ? cli::Werkzeughilfe().c_str()
                                     : cli::Befehlshilfe(aufruf.befehl).c_str(),
               stdout);
    return cli::kStatusErfolg;
  }

  // The serial-port service wants an application object, the pictures one with a window
  // system; Qt sees no arguments of ours.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  const auto anwendung = cli::AnwendungAnlegen(aufruf.befehl, qtArgc, qtArgv);

  device::ZOR_Fehlersprache(2);
  cli::JsonFehlerSetzen(aufruf.json);
  cli::TerminalOperator bedienung(stderr, isatty(STDERR_FILENO) == 1);
  common::setOperatorInterface(&bedienung);
  int status = Ausfuehren(aufruf);
  // Output that did not arrive (a full disk behind a redirection) is a failure too.
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "miv3x: standard output could not be written\n");
    status = cli::kStatusFehler;
  }
  common::setOperatorInterface(nullptr);
  return status;
}
