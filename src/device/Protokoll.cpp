#include "device/Protokoll.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstring>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "device/Leitungsruhe.h"
#include "device/Portverlust.h"
#include "device/Protokollfehler.h"
#include "device/Verbindung.h"

namespace device {

namespace {

constexpr int kEingangsQueue = 512;
constexpr int kAusgangsQueue = 512;

// The wait for an empty output queue ends when the queue is empty, when the length query
// fails, or when the length has not gone down for this long (a stuck queue or a stalled
// line), and in any case after kAusgangHoechstens (a full 512-byte queue leaves a 4800-baud
// line in about 1.1 s). Then the acknowledgement read, bounded by the port's time-out,
// decides.
constexpr auto kAusgangStillstand = std::chrono::milliseconds(1000);
constexpr auto kAusgangHoechstens = std::chrono::milliseconds(5000);
// Between two queue queries while bytes are still leaving; an empty queue is seen at the
// first query, so an exchange on a fast line never sleeps here.
constexpr auto kAusgangAbfrage = std::chrono::microseconds(200);

constexpr char kHex[] = "0123456789ABCDEF";

// Error codes of one command's exchange, in the order of the exchange steps.
struct Codes {
  int flush;  // 0: FlushInOut's own code is returned unchanged
  int schreibFehler;
  int schreibKurz;
  int nak;
  int can;
  int keineAntwort;
  int anderesByte;
};

// The codes of one exchange: consecutive sites from the write check on, the flush check
// just before it when the command has one of its own. A short write counts as a write
// failure for commands that write to the device, as a category of its own for reads.
constexpr Codes Austauschcodes(int schreibStelle, bool eigenerFlushcode,
                               Protokollkategorie kurzKategorie) {
  return Codes{eigenerFlushcode ? Protokollfehler(kKatPufferLeeren, schreibStelle - 1) : 0,
               Protokollfehler(kKatSchreiben, schreibStelle),
               Protokollfehler(kurzKategorie, schreibStelle + 1),
               Protokollfehler(kKatNak, schreibStelle + 2),
               Protokollfehler(kKatCan, schreibStelle + 3),
               Protokollfehler(kKatKeineAntwort, schreibStelle + 4),
               Protokollfehler(kKatFalscheAntwort, schreibStelle + 5)};
}

bool IstGeraeteadresse(char a) {
  return (a >= '1' && a <= '9') || (a >= 'a' && a <= 'f');
}

bool IstSchreibadresse(char a) {
  return IstGeraeteadresse(a) || a == '&';
}

void HexByte(std::string& s, unsigned v) {
  s += kHex[(v >> 4) & 0xF];
  s += kHex[v & 0xF];
}

void HexWort(std::string& s, unsigned v) {
  HexByte(s, (v >> 8) & 0xFF);
  HexByte(s, v & 0xFF);
}

// Hex digits from byte 6 on go out in upper case (the address at byte 1 keeps its case).
void GrossAbByte6(std::string& s) {
  for (std::size_t i = 6; i < s.size(); ++i)
    if (s[i] >= 'a' && s[i] <= 'f') s[i] = static_cast<char>(s[i] - 'a' + 'A');
}

void WarteAufLeereAusgabe(Verbindung& v, int port) {
  SerialService& s = v.Dienst();
  int letzte = s.GetOutQLen(port);
  if (letzte <= 0) return;
  const auto anfang = std::chrono::steady_clock::now();
  auto seitFortschritt = anfang;
  for (;;) {
    std::this_thread::sleep_for(kAusgangAbfrage);
    const int n = s.GetOutQLen(port);
    if (n <= 0) return;
    const auto jetzt = std::chrono::steady_clock::now();
    if (n < letzte) {
      letzte = n;
      seitFortschritt = jetzt;
    } else if (jetzt - seitFortschritt >= kAusgangStillstand) {
      return;
    }
    if (jetzt - anfang >= kAusgangHoechstens) return;
  }
}

// Steps 3 to 7 of an exchange: flush, write, wait for the output queue, and (unless the
// address is a broadcast) read and check the acknowledgement.
int SendeUndQuittung(Verbindung& v, int port, const std::string& frame, bool rundruf,
                     const Codes& c) {
  // A vanished port is not asked again: that would only wait out its time-outs.
  if (v.VerlorenePorts().count(port) != 0) return kFehlerPortWeg;
  if (LeitungUnsicher(v, port)) LeitungBeruhigen(v, port);
  const int f = FlushInOut(v, port);
  if (f == kFehlerPortWeg) return f;
  if (f != 0) return c.flush != 0 ? c.flush : f;
  SerialService& s = v.Dienst();
  const int n = s.ComWrt(port, frame.data(), static_cast<int>(frame.size()));
  const int geschrieben = n < 0                                ? c.schreibFehler
                          : n < static_cast<int>(frame.size()) ? c.schreibKurz
                                                               : 0;
  Leitungslog& log = v.Log();
  if (n == kGeraetWeg) {
    const int weg = PortVerschwunden(v, port);
    log.Aufzeichnen(Leitungsrichtung::Gesendet, Befehlsbuchstaben(frame), frame, weg);
    return weg;
  }
  log.Aufzeichnen(Leitungsrichtung::Gesendet, Befehlsbuchstaben(frame), frame, geschrieben);
  // Part of a frame may have gone out and draw an answer of its own.
  if (n < static_cast<int>(frame.size())) LeitungMisstrauen(v, port);
  if (geschrieben != 0) return geschrieben;
  WarteAufLeereAusgabe(v, port);
  if (rundruf) return 0;
  const int q = s.ComRdByte(port);
  if (q == kGeraetWeg) {
    const int weg = PortVerschwunden(v, port);
    log.Aufzeichnen(Leitungsrichtung::Empfangen, log.LetzterBefehl(), {}, weg);
    return weg;
  }
  // ACK, NAK and CAN are whole answers; after silence or another byte more may come late.
  if (q != kACK && q != kNAK && q != kCAN) LeitungMisstrauen(v, port);
  const int quittung = q == kNAK   ? c.nak
                       : q == kCAN ? c.can
                       : q < 0     ? c.keineAntwort
                       : q != kACK ? c.anderesByte
                                   : 0;
  const char byte = static_cast<char>(q);
  log.Aufzeichnen(Leitungsrichtung::Empfangen, log.LetzterBefehl(),
                  q < 0 ? std::string_view() : std::string_view(&byte, 1), quittung);
  return quittung;
}

// A reply that came whole but does not read: its entry in the frame log gets the code.
int FalscheAntwort(Verbindung& v, int code) {
  v.Log().ErgebnisNachtragen(code);
  return code;
}

// Step 8: reads the data reply until CR or `grenze` bytes. `antwort` ends with a zero.
int LeseAntwort(Verbindung& v, int port, int grenze, std::string& antwort, int lesefehler) {
  SerialService& s = v.Dienst();
  antwort.clear();
  while (static_cast<int>(antwort.size()) < grenze) {
    const int b = s.ComRdByte(port);
    if (b == kGeraetWeg) {
      const int weg = PortVerschwunden(v, port);
      v.Log().Aufzeichnen(Leitungsrichtung::Empfangen, v.Log().LetzterBefehl(), antwort, weg);
      return weg;
    }
    if (b < 0) {
      LeitungMisstrauen(v, port);
      v.Log().Aufzeichnen(Leitungsrichtung::Empfangen, v.Log().LetzterBefehl(), antwort,
                          lesefehler);
      return lesefehler;
    }
    antwort += static_cast<char>(b);
    if (b == kCR) break;
  }
  v.Log().Aufzeichnen(Leitungsrichtung::Empfangen, v.Log().LetzterBefehl(), antwort, 0);
  // Cut at the limit: the rest of the reply may still be on its way.
  if (antwort.empty() || antwort.back() != static_cast<char>(kCR)) LeitungMisstrauen(v, port);
  return 0;
}

bool IstLeerraum(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// "#", address, the three command letters, a decimal number, CR.
bool ZahlAntwort(const std::string& r, char adresse, const char* befehl, double* wert) {
  if (r.size() < 7 || r[0] != '#' || r[1] != adresse || r.compare(2, 3, befehl) != 0 ||
      r.back() != '\r')
    return false;
  const char* anfang = r.data() + 5;
  const char* ende = r.data() + r.size() - 1;
  // from_chars takes no plus sign; "+1.5" is a number all the same.
  if (ende - anfang > 1 && *anfang == '+' && anfang[1] != '-' && anfang[1] != '+') ++anfang;
  double v = 0.0;
  // Locale-independent, and the number must run up to the CR.
  const auto [p, ec] = std::from_chars(anfang, ende, v);
  if (ec != std::errc() || p != ende || !std::isfinite(v)) return false;
  *wert = v;
  return true;
}

// "#", address, `b0`, any character, `b2`, "$", two hex digits, CR. `echo` receives the
// character in the middle.
bool RegisterAntwort(const std::string& r, char adresse, char b0, char b2, char* echo, int* wert) {
  if (r.size() != 9 || r[0] != '#' || r[1] != adresse || r[2] != b0 || r[4] != b2 || r[5] != '$' ||
      r[8] != '\r')
    return false;
  const int h = Hexchar2Int(r[6]);
  const int l = Hexchar2Int(r[7]);
  if (h < 0 || l < 0) return false;
  *echo = r[3];
  *wert = h * 16 + l;
  return true;
}

int LesePosition(const std::string& r, std::size_t pos, int stellen, long* wert) {
  long v = 0;
  for (int i = 0; i < stellen; ++i) {
    const int d = Hexchar2Int(r[pos + i]);
    if (d < 0) return -1;
    v = v * 16 + d;
  }
  *wert = v;
  return 0;
}

// One memory block read of 1..65535 bytes.
int SpeicherBlockLesen(Verbindung& v, int port, char adresse, int typ, long start, long anzahl,
                       std::uint8_t* puffer) {
  std::string frame = "#";
  frame += adresse;
  frame += "BDR";
  frame += static_cast<char>('0' + typ);
  HexWort(frame, static_cast<unsigned>(start));
  HexWort(frame, static_cast<unsigned>(anzahl));
  if (frame.size() != 14) return Protokollfehler(kKatFormatieren, 96);
  GrossAbByte6(frame);
  frame += '\r';

  const Codes c = Austauschcodes(97, false, kKatTeilweiseGeschrieben);
  int r = SendeUndQuittung(v, port, frame, false, c);
  if (r != 0) return r;

  const long grenze = 2 * anzahl + 19;
  std::string antwort;
  try {
    antwort.reserve(static_cast<std::size_t>(grenze + 1));
  } catch (const std::bad_alloc&) {
    return Protokollfehler(kKatSpeicher, 103);
  }
  r = LeseAntwort(v, port, static_cast<int>(grenze), antwort,
                  Protokollfehler(kKatFalscheAntwort, 104));
  if (r != 0) return r;

  if (antwort.empty() || antwort.back() != '\r')
    return FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 105));
  if (static_cast<long>(antwort.size()) != grenze)
    return FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 106));
  long echoStart = 0;
  long echoAnzahl = 0;
  if (antwort[0] != '#' || antwort[1] != adresse || antwort.compare(2, 3, "BDR") != 0 ||
      antwort[5] != static_cast<char>('0' + typ) || LesePosition(antwort, 6, 4, &echoStart) != 0 ||
      LesePosition(antwort, 10, 4, &echoAnzahl) != 0 || echoStart != start || echoAnzahl != anzahl)
    return FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 107));

  unsigned summe = 1;
  for (long i = 0; i < anzahl; ++i) {
    const int h = Hexchar2Int(antwort[static_cast<std::size_t>(14 + 2 * i)]);
    if (h < 0) return FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 108));
    const int l = Hexchar2Int(antwort[static_cast<std::size_t>(15 + 2 * i)]);
    if (l < 0) return FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 109));
    const auto b = static_cast<std::uint8_t>(h * 16 + l);
    puffer[i] = b;
    summe += b;
  }
  const std::size_t cpos = static_cast<std::size_t>(14 + 2 * anzahl);
  unsigned pruef = 0;
  for (int i = 0; i < 4; ++i) {
    const int d = Hexchar2Int(antwort[cpos + static_cast<std::size_t>(i)]);
    if (d < 0) return FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 110 + i));
    pruef = pruef * 16 + static_cast<unsigned>(d);
  }
  if (pruef != (summe & 0xFFFF)) return FalscheAntwort(v, Protokollfehler(kKatPruefsumme, 114));
  return 0;
}

}  // namespace

int ZORFYD1_Open(Verbindung& v, int port, long baudRate) {
  if (baudRate != 4800 && baudRate != 9600 && baudRate != 19200 && baudRate != 38400 &&
      baudRate != 115200)
    return Protokollfehler(kKatBaudrate, 1);
  // A negative number makes no device name.
  if (port < 0) return Protokollfehler(kKatPortOeffnen, 2);
  const std::string name = "com" + std::to_string(port);
  LeitungVertrauen(v, port);
  if (v.Dienst().OpenComConfig(port, name, baudRate, Parity::Odd, 7, 1, kEingangsQueue,
                               kAusgangsQueue) < 0)
    return Protokollfehler(kKatPortOeffnen, 3);
  v.Einstellung().rate = baudRate;
  v.VerlorenePorts().erase(port);
  return 0;
}

int ZORFYD1_Close(Verbindung& v, int port) {
  LeitungVertrauen(v, port);
  return v.Dienst().CloseCom(port) < 0 ? Protokollfehler(kKatPortSchliessen, 4) : 0;
}

int ZORFYD1_Timeout(Verbindung& v, int port, double seconds) {
  if (v.Dienst().SetComTime(port, seconds) < 0) return Protokollfehler(kKatZeitgrenze, 5);
  v.Einstellung().zeitgrenze = seconds;
  return 0;
}

int ZORFYD1_IDLesen(Verbindung& v, int port, char address, char* buffer) {
  if (!IstGeraeteadresse(address)) return Protokollfehler(kKatAdresse, 6);
  // No site of its own for a missing buffer; 007 is free in this command's block.
  if (!buffer) return Protokollfehler(kKatParameter, 7);
  std::string frame = "#";
  frame += address;
  frame += "IDR\r";
  const Codes c = Austauschcodes(8, false, kKatTeilweiseGeschrieben);
  int r = SendeUndQuittung(v, port, frame, false, c);
  if (r != 0) return r;
  std::string antwort;
  r = LeseAntwort(v, port, 29, antwort, Protokollfehler(kKatFalscheAntwort, 14));
  if (r != 0) return r;

  std::string t;
  for (char ch : antwort) {
    // A zero byte ends the text, as it would end a C string: the CR is then missing.
    if (ch == '\0') break;
    if (ch != ' ') t += ch;
  }
  // "#", the address, one ID text without white space, CR.
  if (t.size() < 4 || t[0] != '#' || t[1] != address)
    return FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 15));
  std::size_t e = 2;
  while (e < t.size() && !IstLeerraum(t[e])) ++e;
  if (e == 2 || e + 1 != t.size() || t[e] != '\r')
    return FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 15));
  std::memcpy(buffer, t.data() + 2, e - 2);
  buffer[e - 2] = '\0';
  return 0;
}

int ZORFYD1_DeviceFunction(Verbindung& v, int port, char address, const char* funktion) {
  if (!IstSchreibadresse(address)) return Protokollfehler(kKatAdresse, 34);
  char n = 0;
  if (funktion && std::strcmp(funktion, "start") == 0)
    n = '1';
  else if (funktion && std::strcmp(funktion, "stopp") == 0)
    n = '2';
  else
    return Protokollfehler(kKatParameter, 35);
  std::string frame = "#";
  frame += address;
  frame += "DF";
  frame += n;
  frame += '\r';
  const Codes c = Austauschcodes(37, false, kKatSchreiben);
  return SendeUndQuittung(v, port, frame, address == '&', c);
}

int ZORFYD1_EingangLesen(Verbindung& v, int port, char address, const char* eingang,
                         double* value) {
  if (!IstGeraeteadresse(address)) return Protokollfehler(kKatAdresse, 43);
  if (!eingang || !value || std::strlen(eingang) != 2 || eingang[0] != 'e' || eingang[1] < '1' ||
      eingang[1] > '4')
    return Protokollfehler(kKatParameter, 44);
  std::string befehl = "V";
  befehl += eingang[1];
  befehl += 'R';
  const std::string frame = std::string("#") + address + befehl + '\r';
  const Codes c = Austauschcodes(47, true, kKatTeilweiseGeschrieben);
  int r = SendeUndQuittung(v, port, frame, false, c);
  if (r != 0) return r;
  std::string antwort;
  r = LeseAntwort(v, port, 14, antwort, Protokollfehler(kKatFalscheAntwort, 53));
  if (r != 0) return r;
  return ZahlAntwort(antwort, address, befehl.c_str(), value)
             ? 0
             : FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 54));
}

int ZORFYD1_AusgangSchreiben(Verbindung& v, int port, char address, const char* ausgang,
                             double value) {
  if (!IstSchreibadresse(address)) return Protokollfehler(kKatAdresse, 55);
  const bool bekannt = ausgang && std::strlen(ausgang) == 2 && ausgang[0] == 'a' &&
                       ausgang[1] >= '1' && ausgang[1] <= '4';
  // NaN fails this test as well.
  if (bekannt && !(value >= 0.0 && value <= 10.0))
    return Protokollfehler(kKatGrenzwert, 56 + (ausgang[1] - '1'));
  if (!bekannt) return Protokollfehler(kKatParameter, 60);
  char zahl[32];
  // -0.0 passes the range test; adding 0.0 makes it +0.0, so no sign goes out.
  const auto [p, ec] =
      std::to_chars(zahl, zahl + sizeof zahl, value + 0.0, std::chars_format::fixed, 3);
  if (ec != std::errc()) return Protokollfehler(kKatParameter, 60);
  std::string frame = "#";
  frame += address;
  frame += 'V';
  frame += ausgang[1];
  frame += 'W';
  frame.append(zahl, p);
  frame += '\r';
  const Codes c = Austauschcodes(63, true, kKatSchreiben);
  return SendeUndQuittung(v, port, frame, address == '&', c);
}

int ZORWUN2_ParameterLesen(Verbindung& v, int port, char address, const char* parameter,
                           double* value) {
  if (address < '0' || address > '8') return Protokollfehler(kKatAdresse, 80);
  const char* befehl = nullptr;
  if (parameter && std::strcmp(parameter, "speicherinhalt") == 0)
    befehl = "M1R";
  else if (parameter && std::strcmp(parameter, "max_current") == 0)
    befehl = "CbR";
  else if (parameter && std::strcmp(parameter, "compartibility_mode") == 0)
    befehl = "S1R";
  if (!befehl || !value) return Protokollfehler(kKatParameter, 81);
  const std::string frame = std::string("#") + address + befehl + '\r';
  const Codes c = Austauschcodes(84, true, kKatTeilweiseGeschrieben);
  int r = SendeUndQuittung(v, port, frame, false, c);
  if (r != 0) return r;
  std::string antwort;
  r = LeseAntwort(v, port, 19, antwort, Protokollfehler(kKatFalscheAntwort, 90));
  if (r != 0) return r;
  return ZahlAntwort(antwort, address, befehl, value)
             ? 0
             : FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 91));
}

// A count of 65536 (the whole memory) does not fit the four-digit count field; it is read
// as two blocks of 32768 bytes, each with its own frame and checksum. A start that puts the
// second block beyond address FFFFh cannot be sent and is refused before anything goes out.
int ZORFYD1_SpeicherLesen(Verbindung& v, int port, char address, int memoryType, long start,
                          long count, std::uint8_t* buffer) {
  if (!IstGeraeteadresse(address)) return Protokollfehler(kKatAdresse, 92);
  if (start < 0 || start > 65535) return Protokollfehler(kKatStartadresse, 93);
  if (count < 1 || count > 65536 || !buffer) return Protokollfehler(kKatSpeichergroesse, 94);
  if (memoryType != 4 && memoryType != 5) return Protokollfehler(kKatSpeichertyp, 95);
  if (count == 65536) {
    if (start + 32768 > 65535) return Protokollfehler(kKatFormatieren, 96);
    const int r = SpeicherBlockLesen(v, port, address, memoryType, start, 32768, buffer);
    if (r != 0) return r;
    return SpeicherBlockLesen(v, port, address, memoryType, start + 32768, 32768, buffer + 32768);
  }
  return SpeicherBlockLesen(v, port, address, memoryType, start, count, buffer);
}

int ZORFYD1_SpeicherSchreiben(Verbindung& v, int port, char address, int memoryType, long start,
                              long count, const std::uint8_t* data) {
  if (!IstSchreibadresse(address)) return Protokollfehler(kKatAdresse, 118);
  if (start < 0 || start > 65535) return Protokollfehler(kKatStartadresse, 119);
  if (count < 0 || count > 64 || (count > 0 && !data))
    return Protokollfehler(kKatSpeichergroesse, 120);
  if (memoryType != 4 && memoryType != 5) return Protokollfehler(kKatSpeichertyp, 121);
  std::string frame = "#";
  frame += address;
  frame += "BDW";
  frame += static_cast<char>('0' + memoryType);
  HexWort(frame, static_cast<unsigned>(start));
  HexWort(frame, static_cast<unsigned>(count));
  if (frame.size() != 14) return Protokollfehler(kKatFormatieren, 122);
  unsigned summe = 1;
  for (long i = 0; i < count; ++i) {
    HexByte(frame, data[i]);
    summe += data[i];
  }
  if (frame.size() != static_cast<std::size_t>(14 + 2 * count))
    return Protokollfehler(kKatFormatieren, 123);
  HexWort(frame, summe & 0xFFFF);
  if (frame.size() != static_cast<std::size_t>(18 + 2 * count))
    return Protokollfehler(kKatFormatieren, 124);
  GrossAbByte6(frame);
  frame += '\r';
  const Codes c = Austauschcodes(125, false, kKatSchreiben);
  return SendeUndQuittung(v, port, frame, address == '&', c);
}

int ZORFYD1_StatusLesen(Verbindung& v, int port, char address, int statusRegister, int* value) {
  if (!IstGeraeteadresse(address)) return Protokollfehler(kKatAdresse, 135);
  if ((statusRegister != 1 && statusRegister != 2) || !value)
    return Protokollfehler(kKatParameter, 136);
  const char n = static_cast<char>('0' + statusRegister);
  const std::string frame = std::string("#") + address + 'S' + n + "R\r";
  const Codes c = Austauschcodes(138, false, kKatTeilweiseGeschrieben);
  int r = SendeUndQuittung(v, port, frame, false, c);
  if (r != 0) return r;
  std::string antwort;
  r = LeseAntwort(v, port, 14, antwort, Protokollfehler(kKatFalscheAntwort, 144));
  if (r != 0) return r;
  char echo = 0;
  int gelesen = 0;
  if (!RegisterAntwort(antwort, address, 'S', 'R', &echo, &gelesen))
    return FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 145));
  if (echo != n)
    return statusRegister == 1 ? FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 146))
                               : FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 147));
  *value = gelesen;
  return 0;
}

int ZORFYD1_ModusLesen(Verbindung& v, int port, char address, int* value) {
  if (!IstGeraeteadresse(address)) return Protokollfehler(kKatAdresse, 150);
  // No site of its own for a missing pointer; 151 is free in this command's block.
  if (!value) return Protokollfehler(kKatParameter, 151);
  const std::string frame = std::string("#") + address + "M1R\r";
  const Codes c = Austauschcodes(152, false, kKatTeilweiseGeschrieben);
  int r = SendeUndQuittung(v, port, frame, false, c);
  if (r != 0) return r;
  std::string antwort;
  r = LeseAntwort(v, port, 14, antwort, Protokollfehler(kKatFalscheAntwort, 158));
  if (r != 0) return r;
  char echo = 0;
  int gelesen = 0;
  if (!RegisterAntwort(antwort, address, 'M', 'R', &echo, &gelesen) || echo != '1')
    return FalscheAntwort(v, Protokollfehler(kKatFalscheAntwort, 159));
  *value = gelesen;
  return 0;
}

int ZORFYD1_ModusSchreiben(Verbindung& v, int port, char address, int set, int mask) {
  if (!IstSchreibadresse(address)) return Protokollfehler(kKatAdresse, 160);
  std::string frame = "#";
  frame += address;
  frame += set != 0 ? "M1S" : "M1C";
  HexByte(frame, static_cast<unsigned>(mask) & 0xFF);
  frame += '\r';
  const Codes c = Austauschcodes(163, true, kKatSchreiben);
  return SendeUndQuittung(v, port, frame, address == '&', c);
}

int ZORMIV1_BaudrateSchreiben(Verbindung& v, int port, int address, long baudRate) {
  if (address < 0 || address > 9) return Protokollfehler(kKatAdresse, 16);
  if (baudRate != 4800 && baudRate != 9600 && baudRate != 19200 && baudRate != 38400)
    return Protokollfehler(kKatBaudrate, 17);
  const std::string frame =
      std::string("#") + static_cast<char>('0' + address) + "BRW" + std::to_string(baudRate) + '\r';
  const Codes c = Austauschcodes(19, false, kKatSchreiben);
  return SendeUndQuittung(v, port, frame, address == 9, c);
}

int ZORMIV1_AdresseSchreiben(Verbindung& v, int port, int address, int newAddress) {
  if (address < 0 || address > 8) return Protokollfehler(kKatAdresse, 25);
  if (newAddress < 0 || newAddress > 8) return Protokollfehler(kKatParameter, 26);
  std::string frame = "#";
  frame += static_cast<char>('0' + address);
  frame += "DAW";
  frame += static_cast<char>('0' + newAddress);
  frame += '\r';
  const Codes c = Austauschcodes(28, false, kKatSchreiben);
  return SendeUndQuittung(v, port, frame, false, c);
}

int FlushInOut(Verbindung& v, int port) {
  SerialService& s = v.Dienst();
  const int ein = s.FlushInQ(port);
  if (ein == kGeraetWeg) return PortVerschwunden(v, port);
  if (ein != 0) return Protokollfehler(kKatEingabepufferLeeren, 148);
  const int aus = s.FlushOutQ(port);
  if (aus == kGeraetWeg) return PortVerschwunden(v, port);
  if (aus != 0) return Protokollfehler(kKatAusgabepufferLeeren, 149);
  return 0;
}

int Hexchar2Int(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace device
