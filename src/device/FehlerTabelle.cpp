#include <array>
#include <cstddef>

#include "device/Fehler.h"
#include "device/Nachpruefung.h"
#include "device/Portverlust.h"

namespace device {
namespace {

// English and German text per category, sorted by category for the binary search.
constexpr std::array<Fehlertext, 133> kTabelle{{
    {0, "No error", "Es ist kein Fehler aufgetreten"},
    {2, "A error occured", "Ein Fehler ist aufgetreten"},
    {3, "Timeout reached", "Timeout erreicht"},
    {4, "Aborted by user", "Abbruch durch den Benutzer"},
    {5, "Time/date function failed", "Fehler in der Zeit-/Datumsfunktion"},
    {6, "", ""},
    {7, "unexpected operation", "unerwartete Operation"},
    {8, "Unable to set timer", "Konnte den Timer nicht setzen"},
    {100, "Error opening com-port", "Fehler beim öffnen der seriellen Schnittstelle"},
    {101, "Error writing to COM Port", "Fehler beim schreiben auf die serielle Schnittstelle"},
    {102, "Error reading from COM Port", "Fehler beim lesen von der seriellen Schnittstelle"},
    {103, "Error closing com-port", "Fehler beim schliesen der seriellen Schnittstelle"},
    {110, "Invalid com-port number", "Ungültige Nummer der seriellen Schnittstelle"},
    {111, "Unable to set com-port timeout",
     "Konnte kein Timeout für die serielle Schnittstelle setzten"},
    {112, "Error flushing read- or writebuffer for com-port",
     "Fehler beim Leeren des Schreib- oder Leesepuffers der seriellen Schnittstelle"},
    {113, "The string to be sent to a com-port ist too long",
     "Die zu sendende Zeichenkette ist zu lang für die serielle Schnittstelle"},
    {114, "Was not able to write any or all characters to a com-port",
     "Keine oder nicht alle Zeichen konnten auf die serielle Schnittstelle geschrieben werden"},
    {116, "No or unexpected answer form serial device",
     "Keine oder unerwartete Antwort vom seriellen Gerät"},
    {117,
     "The echo of a command that was sent back from a serial device was not equivalent to the "
     "original command",
     "Das vom seriellen Gerät zurückgesendete Echo eines Befehls stimmt nicht mit dem "
     "ursprünglichen Befehl überein"},
    {118, "A serial device did not commit a command properly",
     "Ein serielles Gerät hat einen Befehl nicht korrekt bestätigt"},
    {119, "A serial device reported a error executing a command",
     "Ein serielles Gerät meldet einen Fehler bei der Ausführung eines Befehls"},
    {120, "The string that was wrote back from a serial device does not have the expected format",
     "Die vom seriellen Gerät zurückgesendete Zeichenkette hat nicht das erwartete Format"},
    {122, "COM-port not open", "Serielle Schnittstelle ist nicht geöffnet"},
    {123, "Error flushing writebuffer of com-port",
     "Fehler beim Leeren des Schreibpuffers der seriellen Schnittstelle"},
    {124, "Error flushing readbuffer of com-port",
     "Fehler beim Leeren des Lesepuffers der seriellen Schnittstelle"},
    {125, "Invalid Baudrate", "Unzulässige Baudrate"},
    {126, "Serial device reports execution of command not possible",
     "Serielles Gerät meldet, dass der Befehl nicht ausgeführt werden kann"},
    {200, "Error computing voltage value", "Fehler beim Berechnen des Spannungswertes"},
    {201, "Error computing current value", "Fehler beim Berechnen des Stromwertes"},
    {202, "Error formating values", "Fehler beim Formatieren der Werte"},
    {300, "File not found", "Datei nicht gefunden"},
    {301, "Error writing to file", "Fehler beim Schreiben auf Datei"},
    {302, "Wrong filetype", "Falscher Dateityp"},
    {303, "Wrong fileversion", "Die Datei hat die falsche Versionsnummer"},
    {304, "Error reading from file", "Fehler beim Lesen der Datei"},
    {305, "Unable to access file", "Kein Zugriff auf die Datei"},
    {306, "Unable to delete file", "Die Datei konnte nicht gelöscht werden"},
    {307, "Error making filepath", "Fehler beim Erstellen des Dateipfades"},
    {308, "Error opening file", "Fehler beim Öffnen der Datei"},
    {310, "Error making new directory", "Fehler beim Erstellen des neuen Verzeichnisses"},
    {311, "File can not be edited", "Die Datei kann nicht bearbeitet werden"},
    {312, "Data read from a File does not have the expected format",
     "Aus Datei gelesene Daten haben nicht das erwartete Format"},
    {315, "Unable to get workingdirectory", "Das Arbeitsverzeichnis konnte nicht ermittelt werden"},
    {316, "Directory not found", "Verzeichnis nicht gefunden"},
    {317, "Error calling the fileselect window", "Fehler beim Aufrufen des Dateiauswahlfensters"},
    {318, "File contains a invalid character.", "Die Datei enthält ein ungültiges Zeichen."},
    {319, "File contains a line which is too long.", "Die Datei enthält eine zu lange Zeile."},
    {320, "The file contains too much values.", "Die Datei enthält zu viele Werte."},
    {321, "File contains no values.", "Die Datei enthält keine Werte."},
    {322, "File is damaged.", "Die Datei ist beschädigt."},
    {350, "Timeout:\nPressure could not be produced.",
     "Timeout:\nDruck konnte nicht aufgebaut werden."},
    {351, "Timeout:\nPreassure did not stabilize.", "Timeout:\nDruck hat sich nicht stabilisiert."},
    {352, "Timeout:\nVacuum did not stabilize.", "Timeout:\nVakuum hat sich nicht stabilisiert."},
    {353, "Timeout:\nPressure could not be deflated.",
     "Timeout:\nDruck konnte nicht abgebaut werden."},
    {354, "Timeout:\nVakuum could not be produced.",
     "Timeout:\nVakuum konnte nicht aufgebaut werden."},
    {355, "Timeout:\nVakuum could not be deflated.",
     "Timeout:\nVakuum konnte nicht abgebaut werden."},
    {358, "Timeout:\nPressure did not equalize.", "Timeout:\nDruck hat sich nicht ausgeglichen."},
    {380, "Water has reached maximum level", "Wasser hat den Höchststand erreicht"},
    {381, "Water has reached minimum level", "Wasser hat den Mindeststand erreicht"},
    {382, "Watertank has reached minimum level", "Wassertank hat den Mindeststand erreicht"},
    {400, "invalid deviceaddress", "Unzulässige Geräteadresse"},
    {401, "invalid parameter", "Unzulässiger Parameter"},
    {402, "Errormessage (NAK) received from device", "Fehlermeldung (NAK) vom Gerät erhalten"},
    {403, "No answer from device", "Keine Antwort vom Gerät"},
    {404, "Wrong answer from device", "Fehlerhafte Antwort vom Gerät"},
    {405, "Command not possible at the moment (CAN received)",
     "Befehlsausführung momentan nicht möglich (CAN erhalten)"},
    {406, "Checksumm error at transmission", "Checksummenfehler bei der Übertragung"},
    {407, "Readcommands are not possible with common adress",
     "Lesebefehle sind mit der Sammeladresse nicht möglich"},
    {500, "Parameter out of limits", "Parameter außerhalb der Grenzwerte"},
    {503, "Missing values", "Fehlende Werte"},
    {505, "Data not correct", "Daten nicht korrekt"},
    {506, "No negative values are allowed.", "Negative Werte sind nicht erlaubt."},
    {507, "Value too big.", "Wert zu groß."},
    {508, "Value too small.", "Wert zu klein."},
    {509, "Value out of tolerance.", "Wert außerhalb der Toleranz."},
    {510, "Value invalid.", "Ungültiger Wert."},
    {600, "Error allocating memory", "Speicherreservierung fehlgeschlagen"},
    {651, "Could not create panel", "Panel konnte nicht erstellt werden"},
    {652, "Could not create control", "Bedienelement konnte nicht erstellt werden"},
    {653, "Could not create toolbar", "Toolbar konnte nicht erstellt werden"},
    {700, "Timeout:\nUnable to read meassurement input",
     "Timeout:\nMesseingang konnte nicht gelesen werden"},
    {701, "Meassurements could not be processed fast enough",
     "Messwerte konnten nicht schnell genug verarbeitet werden"},
    {702, "Could not read measurement-channel", "Messkanal konnte nicht gelesen werden"},
    {703, "Temperaturesensor broken or not connected",
     "Temperatursensor defekt oder nicht angeschlossen"},
    {704, "Pressuresensor broken or not connected", "Drucksensor defekt oder nicht angeschlossen"},
    {760, "Could not set digital output", "Digitaler Ausgang konnte nicht gesetzt werden"},
    {763, "Unable to read relayposition", "Relaisstellung konnte nicht gelesen werden"},
    {764, "Unable to set relay position", "Relaisstellung konnte nicht gesetzt werden"},
    {765, "Could not read digital input", "Digitaler Eingang konnte nicht gelesen werden"},
    {780, "Device not found", "Gerät nicht gefunden"},
    {783, "PLV module reports memoryerror", "PLV Modul meldet Speicherfehler"},
    {784, "PLV module not found.", "PLV Modul nicht gefunden."},
    {785, "Device of wrong type was found.", "Es wurde ein Gerät falschen Typs gefunden."},
    {800, "Error writing to INI-File", "Fehler beim schreiben in die INI-Datei"},
    {801, "Error reading from INI-File", "Fehler beim lesen der INI-Datei"},
    {802, "INI-File not found", "INI-Datei nicht gefunden"},
    {803, "INI-File is damaged", "INI-Datei ist beschädigt"},
    {850, "Database connection failed", "Verbindung zur Datenbank fehlgeschlagen"},
    {851, "Error making map for databasetable",
     "Fehler beim Erstellen der Zuordnung für die Datenbanktabelle"},
    {852, "Opening databasetable failed", "Öffnen der Datenbanktabelle fehlgeschlagen"},
    {853, "Error making databasetable", "Fehler beim Erstellen der Datenbanktabelle"},
    {854, "Error altering databasetable", "Fehler beim Ändern der Datenbanktabelle"},
    {855, "Error writing to databasetable", "Fehler beim Schreiben in die Datenbanktabelle"},
    {894, "Invalid startingadress.", "Ungültige Startadresse."},
    {895, "Invalid memorysize.", "Ungültige Speichergröße."},
    {896, "Invalid memorytype.", "Ungültiger Speichertyp."},
    {897, "Checksummerror in EEPROM memory.", "Checksummenfehler im EEPROM Speicher."},
    {898, "Invalid memoryarea.", "Ungültiger Speicherbereich."},
    {1000,
     "For this teststep limit-comparition has to be >&<.\nPlease edit it in the sequenceeditor.",
     "Für diesen Testschritt muss der Grenzwertvergleich >&< sein.\nBitte im Sequenzeditor "
     "ändern."},
    {1001, "Could not find lotamount in the datafile.",
     "Die Losgröße wurde in der Datendatei nicht gefunden."},
    {1002,
     "The current amount of teststeps is not equivalent to the\namount of teststeps in the "
     "data-file for this BA-Nr.\nThe BA-File was probably createt with\n a different sequence.",
     "Die aktuelle Anzahl der Testschritte entspricht nicht der\nAnzahl der Testschritte in der "
     "Datendatei dieser BA-Nr.\nDie BA-Datei wurde vermutlich mit\n einer anderen Sequenz "
     "erstellt."},
    {1003,
     "The name of a teststep is not equivaltent to the corosponding\nname listed in the "
     "data-file for this BA-Nr.\nThe BA-File was probably createt with\n a different sequence.",
     "Der Name eines Testschritts entspricht nicht dem zugehörigen\nNamen in der Datendatei "
     "dieser BA-Nr.\nDie BA-Datei wurde vermutlich mit\n einer anderen Sequenz erstellt."},
    {1004, "Wrong or missing entry for lotamount.\nValid range for serialnumbers not clear.",
     "Falscher oder fehlender Eintrag für die Losgröße.\nGültiger Bereich der Seriennummern "
     "unklar."},
    {1005,
     "The combination of existing serialnumbers\nand lotamount is invalid.\nValid range for "
     "serialnumbers not clear.",
     "Die Kombination aus vorhandenen Seriennummern\nund Losgröße ist ungültig.\nGültiger "
     "Bereich der Seriennummern unklar."},
    {1007, "Could not read the file with pressure\nand temperature information.",
     "Die Datei mit den Druck- und\nTemperaturangaben konnte nicht gelesen werden."},
    {1008, "Pressure- and temperatureinformations\nare too old.",
     "Die Druck- und Temperaturangaben\nsind zu alt."},
    {1010, "invalid timebase.", "Ungültige Zeitbasis."},
    {1011, "The graph consists of to many datapoints.",
     "Der Graph besteht aus zu vielen Datenpunkten."},
    {1012, "Pressure already too high at beginning of meassurement.",
     "Druck bereits zu Beginn der Messung zu hoch."},
    {1013, "Vakuum already too high at beginning of meassurement.",
     "Vakuum bereits zu Beginn der Messung zu hoch."},
    {1014, "Weight in overload range", "Gewicht im Überlastbereich"},
    {1015, "Weight in underload range", "Gewicht im Unterlastbereich"},
    {1016, "Unknown weight unit", "Unbekannte Gewichtseinheit"},
    {1017, "File is no MIV-1 curvefile.", "Die Datei ist keine MIV-1 Kurvendatei."},
    {1018, "There are no curves in WUN-2 memory.",
     "In der WUN-2 Box sind keine Kurven gespeichert."},
    {1019, "memory content incorect.", "Speicherinhalt fehlerhaft."},
    {1020, "File is not a MIV-3X Curvefile.", "Die Datei ist keine MIV-3X Kurvendatei."},
    {1021, "File is not a WUN-2 Configurationfile.",
     "Die Datei ist keine WUN-2 Konfigurationsdatei."},
    {1022, "Data invalid. Cant't write to MIV-3X.",
     "Daten ungültig. Schreiben auf das MIV-3X nicht möglich."},
    {1023, "Not enought memory in the MIV-3X.", "Nicht genug Speicherplatz auf dem MIV-3X."},
    {1024, "Invalid curvenumber.", "Kurvennummer ungültig."},
    {1025, "File is not a WUN-2 Curvefile.", "Die Datei ist keine WUN-2 Kennliniendatei."},
    {1026, "There are no curves in WUN-2 memory.", "Im WUN-2 sind keine Kennlinien gespeichert."},
}};

constexpr std::array<Stellentext, 2> kStellentexte{{
    {kFehlerNachpruefung, "Verify after writing: the device holds other bytes than were written",
     "Prüfung nach dem Schreiben: das Gerät enthält andere Bytes als geschrieben"},
    {kFehlerPortWeg, "Serial port gone: the device was removed or the line hung up",
     "Serielle Schnittstelle verschwunden: das Gerät wurde entfernt oder die Leitung getrennt"},
}};

constexpr bool Sortiert() {
  for (std::size_t i = 1; i < kTabelle.size(); ++i)
    if (kTabelle[i - 1].kategorie >= kTabelle[i].kategorie) return false;
  return true;
}
static_assert(Sortiert(), "the lookup needs ascending, unique categories");

constexpr std::size_t Laenge(const char* s) {
  std::size_t n = 0;
  while (s[n]) ++n;
  return n;
}

constexpr std::size_t LaengsterText() {
  std::size_t n = 0;
  for (const auto& e : kTabelle) {
    if (Laenge(e.englisch) > n) n = Laenge(e.englisch);
    if (Laenge(e.deutsch) > n) n = Laenge(e.deutsch);
  }
  for (const auto& e : kStellentexte) {
    if (Laenge(e.englisch) > n) n = Laenge(e.englisch);
    if (Laenge(e.deutsch) > n) n = Laenge(e.deutsch);
  }
  return n;
}
static_assert(LaengsterText() < kFehlermeldungPuffer, "the message buffer must hold every text");

}  // namespace

const Fehlertext* FehlertextSuchen(int kategorie) {
  std::size_t lo = 0, hi = kTabelle.size();
  while (lo < hi) {
    std::size_t mitte = lo + (hi - lo) / 2;
    if (kTabelle[mitte].kategorie < kategorie)
      lo = mitte + 1;
    else
      hi = mitte;
  }
  if (lo < kTabelle.size() && kTabelle[lo].kategorie == kategorie) return &kTabelle[lo];
  return nullptr;
}

const Stellentext* StellentextSuchen(int code) {
  for (const auto& e : kStellentexte)
    if (e.code == code) return &e;
  return nullptr;
}

std::size_t FehlertextAnzahl() {
  return kTabelle.size();
}

const Fehlertext& FehlertextNr(std::size_t index) {
  return kTabelle.at(index);
}

}  // namespace device
