#include "Hilfe.h"

#include <map>

namespace cli {
namespace {

const char* const kAllgemein = R"(
P  a port number as 'miv3x ports' lists it, or a device path such as /dev/ttyUSB0.
   The line runs at 9600 baud, 7 data bits, odd parity, 1 stop bit; every reply byte
   is awaited at most 0.5 s.
A  the device address, 1..8 or a..f (default 1).
)";

const char* const kStatus = R"(
Exit status: 0 on success; 1 on a failure, reported on standard error as
"Error #<number>: <message>"; 2 for a bad command line.
)";

struct Text {
  const char* synopsis;
  const char* beschreibung;
};

const std::map<std::string, Text>& Texte() {
  static const std::map<std::string, Text> texte = {
      {"ports",
       {"miv3x ports",
        R"(Lists the serial ports by number with their device paths, one per line:
"COM <number>", a tab, the path. The numbers are those of the COM settings window.
)"}},
      {"id",
       {"miv3x id --port P [--address A]",
        R"(Reads the ID of the device at address A and prints it.
)"}},
      {"scan",
       {"miv3x scan --port P",
        R"(Asks the addresses 1 to 8 in turn for their ID and prints one line per address:
"<address>: no device found", "<address>: WUN-2 found, ID <id>" or
"<address>: device answer, but device is no WUN-2, ID <id>".
Every silent address costs the 0.5 s time-out.
)"}},
      {"send",
       {"miv3x send FILE.wur --port P [--address A] [--dither]",
        R"(Writes curve 1 of the curve file into the device's curve memory (memory type 4),
or with --dither as the dither amplitude curve (memory type 5). When the curves of the
file differ in length, the warning is shown on standard error and the curve is sent
anyway. A curve longer than the device memory (30704 time-base units) is refused and
nothing is sent.
)"}},
      {"read",
       {"miv3x read OUT.wur --port P [--address A] [--dither] [--config FILE.wuo]",
        R"(Reads the curve from the device's curve memory (with --dither: the dither amplitude
curve) and saves it as curve 1 of a new curve file, one point per time-base unit.
Curves 2 to 4 are the default curve. The file carries the standard configuration, or
the one of FILE.wuo. OUT.wur is written only after a complete, checked read; an
earlier file of that name survives any failure.
)"}},
      {"export",
       {"miv3x export FILE.wur OUT.txt",
        R"(Writes curve 1 of the curve file as tab-separated text: start time in seconds,
value in per cent, time base, curve number, one line per point.
)"}},
      {"import",
       {"miv3x import IN.txt OUT.wur [--config FILE.wuo]",
        R"(Makes a curve file from tab-separated text (the export format). The text gives
curve 1; curves 2 to 4 are the default curve. The file carries the standard
configuration, or the one of FILE.wuo. A line that does not pass the import's checks
is reported with its number and nothing is written.
)"}},
      {"image",
       {"miv3x image FILE.wur [--out IMAGE.bin]",
        R"(Computes the device memory image that 'send' would write for the curve file, from
address 4096 (1000 hex) to its last byte: a 32-byte header and one 16-bit sample per
time-base unit. With --out the bytes go to that file; otherwise they are printed as
hex lines of up to 16 bytes, each led by its address in hex ("1000: 00 63 10 21 ...").
)"}},
  };
  return texte;
}

}  // namespace

const std::string& Werkzeughilfe() {
  static const std::string text = std::string(R"(usage: miv3x <command> [arguments]

Curve files and transfers of the MIV-3X curve generator for the WUN-2.

Commands:
  ports                          list the serial ports
  id      --port P               read the device ID
  scan    --port P               search the addresses 1 to 8 for devices
  send    FILE.wur --port P      write curve 1 of a curve file into the device
  read    OUT.wur --port P       read the device's curve into a curve file
  export  FILE.wur OUT.txt       curve 1 of a curve file as text
  import  IN.txt OUT.wur         a curve file from text
  image   FILE.wur               the device image a send would write

Run 'miv3x <command> --help' for a command's options.
)") + kAllgemein + kStatus;
  return text;
}

std::string Befehlshilfe(const std::string& befehl) {
  const auto it = Texte().find(befehl);
  if (it == Texte().end()) return "";
  return std::string("usage: ") + it->second.synopsis + "\n\n" + it->second.beschreibung +
         kAllgemein + kStatus;
}

std::string Aufrufhinweis(const std::string& befehl) {
  const auto it = Texte().find(befehl);
  if (it == Texte().end())
    return "usage: miv3x <command> [arguments]\n"
           "commands: ports, id, scan, send, read, export, import, image\n"
           "Run 'miv3x --help' for more.\n";
  return std::string("usage: ") + it->second.synopsis + "\nRun 'miv3x " + befehl +
         " --help' for more.\n";
}

}  // namespace cli
