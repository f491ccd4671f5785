#include "Hilfe.h"

#include <map>

namespace cli {
namespace {

const char* const kAllgemein = R"(
P  a port number as 'miv3x ports' lists it, or a device path such as /dev/ttyUSB0.
   The line runs at 9600 baud, 7 data bits, odd parity, 1 stop bit; every reply byte
   is awaited at most 0.5 s.
A  the device address, 1..8 or a..f (default 1).
N  a characteristic slot of the device, 1..7.
--trace FILE  with any command that talks to the device: every frame sent and every
   reply, with its time, command and code, one line each, written to FILE when the
   command ends, whether it succeeded or not.
)";

const char* const kStatus = R"(
Exit status: 0 on success; 1 on a failure, reported on standard error as
"Error #<number>: <message>"; 2 for a bad command line.
--json (id, scan, inputs, status, mode, stats, image): the result as one JSON object on a
line of standard output, and a failure as {"error": <code>, "message": "<text>"} on
standard error, the code negative as the functions return it (-122232). A bad command
line is still reported as text.
Transfers (send, read, char-send, char-read) show a progress bar on standard error when it
is a terminal: bytes, rate and time left. Ctrl-C during the bar cancels the transfer
between two blocks (a write leaves the device memory incomplete); status 1.
--fast (send, read, char-send, char-read): the device and the line are switched to
38400 baud for the transfer and back to 9600 afterwards, also after a failure or a
cancel. When the port cannot run at 38400, or the device refuses the rate or does not
answer at it, the transfer runs at 9600 and one line on standard error says so.
--changed (send, char-send): of a curve image or slot image that this tool last wrote to
or read from the same port, address and memory, only the 64-byte blocks that changed are
written, then read back. The device's image header is read first; when it is not the one
remembered (another program, a power cut, another device) or a block reads back
differently, everything is written. What was written or read is remembered in
$XDG_CACHE_HOME/miv3x/memory (else ~/.cache/miv3x/memory), made by the first --changed
and from then on kept up to date by every send, read, char-send and char-read.
--verify (send, char-send): the written blocks are read back (at 38400 baud with --fast)
and compared with what was sent. Where the device holds other bytes, one line per stretch
goes to standard output ("mismatch: 0.048000 s to 0.080000 s" of the curve's time,
"mismatch: input values 1536 to 1567" of a slot), then error 116603; status 1.
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
       {"miv3x id --port P [--address A] [--json]",
        R"(Reads the ID of the device at address A and prints it. A device that does not
answer at 9600 baud is asked at 38400, 19200 and 4800 (where a cut fast transfer may
have left it) and, when found, switched back to 9600 with a line on standard error.
With --json: {"id": "<id>"}.
)"}},
      {"scan",
       {"miv3x scan --port P [--json]",
        R"(Asks the addresses 1 to 8 in turn for their ID and prints one line per address:
"<address>: no device found", "<address>: WUN-2 found, ID <id>" or
"<address>: device answer, but device is no WUN-2, ID <id>".
Every silent address costs the 0.5 s time-out. When no address answers at 9600 baud, the
addresses are asked at 38400, 19200 and 4800 as well, and devices found there are
switched back to 9600.
With --json: {"found": ["3", "5"], "ids": {"3": "<id>", "5": "<id>"}}, the addresses that
answered (WUN-2 or not) and their IDs.
)"}},
      {"send",
       {"miv3x send FILE.wur --port P [--address A] [--dither] [--fast] [--changed] [--verify]",
        R"(Writes curve 1 of the curve file into the device's curve memory (memory type 4),
or with --dither as the dither amplitude curve (memory type 5). When the curves of the
file differ in length, the warning is shown on standard error and the curve is sent
anyway. A curve longer than the device memory (30704 time-base units) is refused and
nothing is sent.
)"}},
      {"read",
       {"miv3x read OUT.wur --port P [--address A] [--dither] [--config FILE.wuo] [--fast]",
        R"(Reads the curve from the device's curve memory (with --dither: the dither amplitude
curve) and saves it as curve 1 of a new curve file, one point per time-base unit.
Curves 2 to 4 are the default curve. The file carries the standard configuration, or
the one of FILE.wuo. OUT.wur is written only after a complete, checked read; an
earlier file of that name survives any failure.
)"}},
      {"export",
       {"miv3x export FILE.wur OUT.txt [--pwl]",
        R"(Writes curve 1 of the curve file as tab-separated text: start time in seconds,
value in per cent, time base, curve number, one line per point; a closing comment
gives the end time of the last line, which import reads back.
With --pwl it is written as a SPICE piecewise-linear list instead: "time value" pairs in
seconds and volts at the output (by the file's configuration), one per line, ending with
the closing line's return to the first value. A line one unit long between two values
is what the device plays as a step, so it is written as two pairs 1 ps apart. Comment
lines "* timebase NAME" give each line's time base, so that 'import --pwl' gives back
the same curve.
)"}},
      {"import",
       {"miv3x import IN.txt OUT.wur [--config FILE.wuo] [--pwl [--timebase NAME]]",
        R"(Makes a curve file from tab-separated text (the export format). The text gives
curve 1; curves 2 to 4 are the default curve. The file carries the standard
configuration, or the one of FILE.wuo. A line that does not pass the import's checks
is reported with its number and nothing is written.
With --pwl IN is a SPICE piecewise-linear list: "time value" pairs (seconds, volts at
the output), or a netlist whose first PWL(...) source is taken, "+" continuation lines,
scale suffixes such as 10n or 5m, and comments ("*" lines, ";" and "$" to the end of a
line) included. Pairs less than 1 ns apart are a step. Every time must lie on the time
grid: each line takes the time base of the "* timebase NAME" line before it, else
--timebase NAME, else the coarsest time base its length fits whole (for a ramp one on
which it rises by at most one code per unit). A list that ends at its first value
closes there; otherwise its last pair gets a closing line of one unit.
)"}},
      {"import-csv",
       {"miv3x import-csv IN.csv OUT.wur [--time-col C] [--value-col C] [--tolerance CODES]\n"
        "       [--scale F] [--offset V] [--time-unit U] [--config FILE.wuo]",
        R"T(Makes curve 1 of a new curve file from sampled data, as oscilloscopes, data
loggers and spreadsheets write it, and prints the dialect found, the columns and units
taken, the number of samples, the time base, the tolerance, the point count, the largest
deviation and the device memory the curve needs. Curves 2 to 4 are the default curve;
the file carries the standard configuration, or the one of FILE.wuo.

The file: separator ',', ';', tab or blanks, decimal point or comma, any header rows
before the first row of numbers; units in the names ("Time (s)", "U [mV]", "t/ms") or in
a row of their own. Empty rows and rows starting with '#' are skipped.
Columns: C is a number from 1 or a header name; by default the first two columns that
hold numbers are time and value.
Time: in the header's unit, else seconds, or in U (s, ms, us, ns, min, h) when given.
The first sample is time 0; times must rise.
Values: in output 1's unit (by the configuration), or in volts at the output when the
header says V or mV and output 1 has another unit; each value is taken times F plus V
first (a probe factor). Values outside the output's range are clipped and counted.

The samples, interpolated linearly, are the target of the line approximation that
'shape' uses: the fewest lines from 0 to the last sample's time (on the 250 us grid), each
on its own time base, such that every sample the device plays for them lies within the
tolerance of the target at its time, and so does every line as drawn at every 250 us. A
last level other than the first gets a closing unit. The tolerance is CODES (at least
0.5) when given; by default it is 1 code, or, when the samples are noisy, 4 times the
noise estimated from their second differences (at most 5 % of their span), so that noise
does not turn into points.
A file whose curve does not fit the device memory (30704 samples; named: the first
sample that does not fit), whose time does not rise, or that holds no row of numbers is
refused with the line concerned, and OUT.wur is not written; an earlier file of that name
stays as it was.
)T"}},
      {"image",
       {"miv3x image FILE.wur [--out IMAGE.bin] [--json]",
        R"(Computes the device memory image that 'send' would write for the curve file, from
address 4096 (1000 hex) to its last byte: a 32-byte header and one 16-bit sample per
time-base unit. With --out the bytes go to that file; otherwise they are printed as
hex lines of up to 16 bytes, each led by its address in hex ("1000: 00 63 10 21 ...").
With --json a summary is printed instead of the hex lines: {"start": 4096, "end": <last
address>, "bytes": <count>, "samples": <count>, "checksum": <header checksum>,
"memory_percent": <per cent of 61440>}.
)"}},
      {"char-send",
       {"miv3x char-send FILE.wue --slot N --port P [--address A] [--fast] [--changed] "
        "[--verify]",
        R"(Writes the characteristic of the characteristic file, with its output-2 value and
rise time, into slot N of the device (memory type 4, 8224 bytes from (N - 1) * 8224).
The file's configuration is used. When the device marks its slots invalid, all seven
slots are first initialised with a one-sample characteristic, as the characteristic
window does. A characteristic longer than 4096 samples is refused and nothing is sent.
)"}},
      {"char-read",
       {"miv3x char-read OUT.wue --slot N --port P [--address A] [--config FILE.wuo] [--fast]",
        R"(Reads slot N of the device and saves it as a characteristic file: one point per
input value (or one point for an initialised slot), the output-2 value and the rise
time. The file carries the standard configuration, or the one of FILE.wuo. OUT.wue is
written only after a complete, checked read; an earlier file of that name survives any
failure.
)"}},
      {"char-select",
       {"miv3x char-select --slot N --port P [--address A]",
        R"(Sets output 4 of the device to N volts; wired to the characteristic-selection
input, this selects slot N.
)"}},
      {"char-export",
       {"miv3x char-export FILE.wue OUT.txt",
        R"(Writes the points of the characteristic file as tab-separated text: X and Y in per
cent of full scale, one line per point.
)"}},
      {"char-import",
       {"miv3x char-import IN.txt OUT.wue [--config FILE.wuo]",
        R"(Makes a characteristic file from tab-separated text (the export format). The file
carries the standard configuration, or the one of FILE.wuo, an empty comment, output 2
at 0 and the shortest rise time (0.1 ms). A line that does not pass the import's checks
is reported with its number and nothing is written.
)"}},
      {"char-image",
       {"miv3x char-image FILE.wue [--out IMAGE.bin]",
        R"(Computes the 8224-byte slot image that 'char-send' would write for the
characteristic file: check sum, output-2 value, rise-time code, and one 16-bit sample
per input value 0..4095. With --out the bytes go to that file; otherwise they are
printed as hex lines of 16 bytes, each led by its offset in the slot ("0000: 3F C2 ...").
)"}},
      {"inputs",
       {"miv3x inputs --port P [--address A] [--watch SECONDS] [--log FILE.txt] "
        "[--config FILE.wuo] [--json]",
        R"(Reads the four inputs once and prints them in one line, tab-separated, each in the
physical unit of its scaling ("2.500 V"). Input 4 shows "-----" while the device uses it
as its start/stop input (bit 0 of its mode).
With --watch the inputs are polled every SECONDS (0.2 at the least) as the direct
input/output window polls them, and the window's log is written: a block of opening
lines, one record per cycle (date, time, the four inputs and the four outputs) and, when
Ctrl+C ends polling, "Data logging finished". The log goes to standard output, or with
--log appended to FILE.txt. The outputs show the physical value of 0 V: the command sets
none. A failed reading ends polling with its error.
The scaling is the one of the settings file miv3XKurvengenerator.ini in the current
folder (the standard scaling without one), or the one of FILE.wuo.
With --json (not with --watch): {"inputs": [i1, i2, i3, i4], "unit": ["V", "V", "V", "V"]},
the values in their inputs' units; input 4 is null while it is the start/stop input.
)"}},
      {"output",
       {"miv3x output N VALUE --port P [--address A] [--limit L] [--config FILE.wuo]",
        R"(Sets output N (1..4) to VALUE in the physical unit of its scaling and prints the
value set. A value above the limit is set to the limit, and the output's range holds it
within its ends. The limit is L, else the one the settings file gives the direct
input/output window, else none. The scaling as for 'inputs'.
)"}},
      {"shape",
       {"miv3x shape KIND NAME=VALUE... (--out OUT.wur | --into FILE.wur --from TIME "
        "[--to TIME] [--curve N] [--out OUT.wur]) [--max-error CODES] [--config FILE.wuo] "
        "[--raw]",
        R"(Makes a standard shape on the device's time grid. With --out it writes a new curve
file whose curve 1 is the shape (curves 2 to 4 are the default curve; the file carries
the standard configuration, or the one of FILE.wuo). With --into it replaces the range
--from .. --to of curve N (default 1) of that curve file, or inserts the shape at --from
when --to is not given; the points outside the range stay as they were. The file is
rewritten, or written to OUT.wur when --out is given too. Then it prints the number of
points (of the new curve, or brought into the curve), the largest error met in codes
and the memory the curve needs in the device, in three lines:
  points: 17
  largest error: 0.98 codes
  memory: 2080 bytes (3.4% of 61440)

Exact shapes, lines from level to level:
  step      from to time                  two levels, each for half the time
  stair     from to steps time            steps levels from 'from' to 'to'
  ramp      from to time
  triangle  low high period [periods]
  trapezoid low high rise [hold] fall [pause] [periods]
  pulse     low high width period [count] a pulse train, high for width each period
Approximated shapes, the fewest lines whose output stays within --max-error codes
(default 1, at least 0.5) of the function at every sample the device plays:
  sine      offset amplitude period [periods] [phase]   phase in degrees
  exp       from to tau time              from 'from' towards 'to', time constant tau
  formula   expr time                     any expression of t in seconds, such as
                                          expr='5 + 4*sin(2*_pi*50*t)'
Times carry a unit: us, ms, s, min or h ("20ms"), and must be whole multiples of
250 us. Levels are in the unit of the output's scaling ("5V" or "5"), or raw codes
0..4095 with --raw; a level beyond 0..4095 codes is clipped with a warning. A shape
longer than the device memory (61440 bytes: 30704 samples after the header) is refused
with the memory it would need.
Example: miv3x shape sine offset=5V amplitude=4V period=20ms periods=3 --out s.wur
)"}},
      {"stats",
       {"miv3x stats FILE.wur [--curve N] [--from TIME --to TIME] [--json]",
        R"(Measures the output the device produces from curve N (default 1) of the curve file:
one level per time-base unit, held for that unit, as the device image holds it, not the
straight lines between the points. Over the whole curve, or over --from .. --to (times
with a unit as for 'shape', within the curve; a range may begin or end inside a line or
a sample). Prints the range, its duration, the number of points whose lines start in it,
the device memory its samples take (2 bytes each; the whole curve adds the 32-byte
header) and the minimum, maximum, time-weighted mean and RMS of the output in the unit
of the output's scaling in the file:
  duration: 20 ms
  points: 17
  memory: 2080 bytes (3.4% of 61440)
  min: 1 V ...
With --json: {"curve", "from_s", "to_s", "duration_s", "points", "memory_bytes",
"memory_percent", "min", "max", "mean", "rms", "unit"}.
)"}},
      {"start",
       {"miv3x start --port P [--address A]",
        R"(Starts the device's curve output (the COM settings window's "Start").
)"}},
      {"stop",
       {"miv3x stop --port P [--address A]",
        R"(Stops the device's curve output (the COM settings window's "Stopp").
)"}},
      {"status",
       {"miv3x status --port P [--address A] [--json]",
        R"(Reads status registers 1 and 2, the mode register and the parameters
"speicherinhalt", "max_current" and "compartibility_mode", and prints them; the set
error bits of status register 2 are explained as the COM settings window explains them
("Memory error", "Checksumm error", "Eeprom not ready", "Data not valid", "Curve
selection error"), the mode bits by what they mean (bit 0: input 4 as start/stop signal;
bits 1 and 2: the characteristic slots marked valid). A device answers "#aS1R" either as
status register 1 or as "compartibility_mode", and "#aM1R" either as the mode register
or as "speicherinhalt": the form it does not use is shown as not answered, which is no
failure; nor is a parameter at an address the parameter command does not take (9..f).
With --json: {"status1", "status2", "error_bits": [...], "mode", "mode_bits": [...],
"parameters": {"speicherinhalt", "max_current", "compartibility_mode"}}, null for what
was not read.
)"}},
      {"mode",
       {"miv3x mode --port P [--address A] [--set BITS] [--clear BITS] [--json]",
        R"(Clears the bits of --clear, then sets the bits of --set in the device's mode
register (BITS 0..255, decimal or 0x hex; bit 0 = 1 makes input 4 the start/stop
signal), then reads the register and prints it with the meaning of its bits. Without
--set and --clear it only reads. With --json: {"mode": <value>, "mode_bits": [...]}.
)"}},
      {"plot",
       {"miv3x plot FILE.wur OUT.png|OUT.svg|OUT.pdf [--width PX] [--height PX] [--curves 1,2]",
        R"(Draws curves of the curve file as a picture, as the curve window saves its graph:
the lines of each curve over its whole length, closing line included, the time in a
fitting unit and the value in the unit of the curve's output (by the file's
configuration); the file name as title and a legend with the curve names. The format
follows OUT's extension: PNG, SVG or PDF. The picture is PX pixels (points for PDF) wide
and high, 1200 x 700 by default, each 100 to 10000. --curves names the curves, 1..4 in
drawing order (default 1); the first one's output gives the value axis its unit and
range, a curve on an output with another unit names it in the legend.
It draws without a display: unless QT_QPA_PLATFORM is set, Qt's offscreen platform is
taken. An earlier OUT survives any failure.
)"}},
      {"char-plot",
       {"miv3x char-plot FILE.wue OUT.png|OUT.svg|OUT.pdf [--width PX] [--height PX]",
        R"(Draws the characteristic of the file as a picture, as the characteristic window
saves its graph: the lines between the points and the last point's value to the end of
the input range, output 1 over input 2 in the units of the file's configuration, over
the whole input and output range; the file name as title. Format, size and display as
for 'plot'.
)"}},
      {"zero",
       {"miv3x zero --port P [--address A] [--config FILE.wuo]",
        R"(Sets every output to its physical zero, or to the end of its range nearest to zero,
and prints the four values set. Zero in the physical unit need not be 0 V. No limit
applies. The scaling as for 'inputs'.
)"}},
  };
  return texte;
}

}  // namespace

const std::string& Werkzeughilfe() {
  static const std::string text = std::string(R"(usage: miv3x <command> [arguments]

Curve and characteristic files and transfers of the MIV-3X curve generator for the WUN-2,
and its direct input/output: reading the inputs, setting the outputs.

Commands:
  ports                          list the serial ports
  id      --port P               read the device ID
  scan    --port P               search the addresses 1 to 8 for devices
  send    FILE.wur --port P      write curve 1 of a curve file into the device
  read    OUT.wur --port P       read the device's curve into a curve file
  export  FILE.wur OUT.txt       curve 1 of a curve file as text
  import  IN.txt OUT.wur         a curve file from text
  import-csv IN.csv OUT.wur      a curve file from sampled data, simplified to lines
  image   FILE.wur               the device image a send would write
  char-send   FILE.wue --slot N --port P   write a characteristic into slot N
  char-read   OUT.wue --slot N --port P    read slot N into a characteristic file
  char-select --slot N --port P            select slot N through output 4
  char-export FILE.wue OUT.txt             a characteristic file as text
  char-import IN.txt OUT.wue               a characteristic file from text
  char-image  FILE.wue                     the slot image char-send would write
  inputs  --port P               read the four inputs, or poll them into a log
  output  N VALUE --port P       set one output
  zero    --port P               set every output to its physical zero
  shape   KIND NAME=VALUE... --out OUT.wur   a sine, ramp, pulse train... as a curve file
  stats   FILE.wur [--from T --to T]         duration, memory, min, max, mean, rms
  start   --port P               start the device's curve output
  stop    --port P               stop it
  status  --port P               status and mode registers, parameters
  mode    --port P [--set B] [--clear B]     set or clear mode bits
  plot    FILE.wur OUT.png       curves of a curve file as a PNG, SVG or PDF picture
  char-plot FILE.wue OUT.png     a characteristic file as a picture

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
           "commands: ports, id, scan, send, read, export, import, import-csv, image,\n"
           "          char-send, char-read, char-select, char-export, char-import, char-image,\n"
           "          inputs, output, zero, shape, stats, start, stop, status, mode, plot,\n"
           "          char-plot\n"
           "Run 'miv3x --help' for more.\n";
  return std::string("usage: ") + it->second.synopsis + "\nRun 'miv3x " + befehl +
         " --help' for more.\n";
}

}  // namespace cli
