// Every message text character by character, typos included: operators and service
// staff look them up by their exact wording, so a well-meant correction is a fault.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "device/Fehler.h"

using namespace device;

namespace {

struct Erwartet {
  int kategorie;
  const char* text;
};

// The English text of every category.
const Erwartet kEnglisch[] = {
    {0, "No error"},
    {2, "A error occured"},
    {3, "Timeout reached"},
    {4, "Aborted by user"},
    {5, "Time/date function failed"},
    {6, ""},
    {7, "unexpected operation"},
    {8, "Unable to set timer"},
    {100, "Error opening com-port"},
    {101, "Error writing to COM Port"},
    {102, "Error reading from COM Port"},
    {103, "Error closing com-port"},
    {110, "Invalid com-port number"},
    {111, "Unable to set com-port timeout"},
    {112, "Error flushing read- or writebuffer for com-port"},
    {113, "The string to be sent to a com-port ist too long"},
    {114, "Was not able to write any or all characters to a com-port"},
    {116, "No or unexpected answer form serial device"},
    {117,
     "The echo of a command that was sent back from a serial device was not equivalent to the "
     "original command"},
    {118, "A serial device did not commit a command properly"},
    {119, "A serial device reported a error executing a command"},
    {120, "The string that was wrote back from a serial device does not have the expected format"},
    {122, "COM-port not open"},
    {123, "Error flushing writebuffer of com-port"},
    {124, "Error flushing readbuffer of com-port"},
    {125, "Invalid Baudrate"},
    {126, "Serial device reports execution of command not possible"},
    {200, "Error computing voltage value"},
    {201, "Error computing current value"},
    {202, "Error formating values"},
    {300, "File not found"},
    {301, "Error writing to file"},
    {302, "Wrong filetype"},
    {303, "Wrong fileversion"},
    {304, "Error reading from file"},
    {305, "Unable to access file"},
    {306, "Unable to delete file"},
    {307, "Error making filepath"},
    {308, "Error opening file"},
    {310, "Error making new directory"},
    {311, "File can not be edited"},
    {312, "Data read from a File does not have the expected format"},
    {315, "Unable to get workingdirectory"},
    {316, "Directory not found"},
    {317, "Error calling the fileselect window"},
    {318, "File contains a invalid character."},
    {319, "File contains a line which is too long."},
    {320, "The file contains too much values."},
    {321, "File contains no values."},
    {322, "File is damaged."},
    {350, "Timeout:\nPressure could not be produced."},
    {351, "Timeout:\nPreassure did not stabilize."},
    {352, "Timeout:\nVacuum did not stabilize."},
    {353, "Timeout:\nPressure could not be deflated."},
    {354, "Timeout:\nVakuum could not be produced."},
    {355, "Timeout:\nVakuum could not be deflated."},
    {358, "Timeout:\nPressure did not equalize."},
    {380, "Water has reached maximum level"},
    {381, "Water has reached minimum level"},
    {382, "Watertank has reached minimum level"},
    {400, "invalid deviceaddress"},
    {401, "invalid parameter"},
    {402, "Errormessage (NAK) received from device"},
    {403, "No answer from device"},
    {404, "Wrong answer from device"},
    {405, "Command not possible at the moment (CAN received)"},
    {406, "Checksumm error at transmission"},
    {407, "Readcommands are not possible with common adress"},
    {500, "Parameter out of limits"},
    {503, "Missing values"},
    {505, "Data not correct"},
    {506, "No negative values are allowed."},
    {507, "Value too big."},
    {508, "Value too small."},
    {509, "Value out of tolerance."},
    {510, "Value invalid."},
    {600, "Error allocating memory"},
    {651, "Could not create panel"},
    {652, "Could not create control"},
    {653, "Could not create toolbar"},
    {700, "Timeout:\nUnable to read meassurement input"},
    {701, "Meassurements could not be processed fast enough"},
    {702, "Could not read measurement-channel"},
    {703, "Temperaturesensor broken or not connected"},
    {704, "Pressuresensor broken or not connected"},
    {760, "Could not set digital output"},
    {763, "Unable to read relayposition"},
    {764, "Unable to set relay position"},
    {765, "Could not read digital input"},
    {780, "Device not found"},
    {783, "PLV module reports memoryerror"},
    {784, "PLV module not found."},
    {785, "Device of wrong type was found."},
    {800, "Error writing to INI-File"},
    {801, "Error reading from INI-File"},
    {802, "INI-File not found"},
    {803, "INI-File is damaged"},
    {850, "Database connection failed"},
    {851, "Error making map for databasetable"},
    {852, "Opening databasetable failed"},
    {853, "Error making databasetable"},
    {854, "Error altering databasetable"},
    {855, "Error writing to databasetable"},
    {894, "Invalid startingadress."},
    {895, "Invalid memorysize."},
    {896, "Invalid memorytype."},
    {897, "Checksummerror in EEPROM memory."},
    {898, "Invalid memoryarea."},
    {1000,
     "For this teststep limit-comparition has to be >&<.\nPlease edit it in the sequenceeditor."},
    {1001, "Could not find lotamount in the datafile."},
    {1002,
     "The current amount of teststeps is not equivalent to the\namount of teststeps in the "
     "data-file for this BA-Nr.\nThe BA-File was probably createt with\n a different sequence."},
    {1003,
     "The name of a teststep is not equivaltent to the corosponding\nname listed in the data-file "
     "for this BA-Nr.\nThe BA-File was probably createt with\n a different sequence."},
    {1004, "Wrong or missing entry for lotamount.\nValid range for serialnumbers not clear."},
    {1005,
     "The combination of existing serialnumbers\nand lotamount is invalid.\nValid range for "
     "serialnumbers not clear."},
    {1007, "Could not read the file with pressure\nand temperature information."},
    {1008, "Pressure- and temperatureinformations\nare too old."},
    {1010, "invalid timebase."},
    {1011, "The graph consists of to many datapoints."},
    {1012, "Pressure already too high at beginning of meassurement."},
    {1013, "Vakuum already too high at beginning of meassurement."},
    {1014, "Weight in overload range"},
    {1015, "Weight in underload range"},
    {1016, "Unknown weight unit"},
    {1017, "File is no MIV-1 curvefile."},
    {1018, "There are no curves in WUN-2 memory."},
    {1019, "memory content incorect."},
    {1020, "File is not a MIV-3X Curvefile."},
    {1021, "File is not a WUN-2 Configurationfile."},
    {1022, "Data invalid. Cant't write to MIV-3X."},
    {1023, "Not enought memory in the MIV-3X."},
    {1024, "Invalid curvenumber."},
    {1025, "File is not a WUN-2 Curvefile."},
    {1026, "There are no curves in WUN-2 memory."},
};

// The German texts of the categories the program raises.
const Erwartet kDeutsch[] = {
    {0, "Es ist kein Fehler aufgetreten"},
    {2, "Ein Fehler ist aufgetreten"},
    {100, "Fehler beim öffnen der seriellen Schnittstelle"},
    {101, "Fehler beim schreiben auf die serielle Schnittstelle"},
    {103, "Fehler beim schliesen der seriellen Schnittstelle"},
    {111, "Konnte kein Timeout für die serielle Schnittstelle setzten"},
    {112, "Fehler beim Leeren des Schreib- oder Leesepuffers der seriellen Schnittstelle"},
    {114,
     "Keine oder nicht alle Zeichen konnten auf die serielle Schnittstelle geschrieben werden"},
    {122, "Serielle Schnittstelle ist nicht geöffnet"},
    {123, "Fehler beim Leeren des Schreibpuffers der seriellen Schnittstelle"},
    {124, "Fehler beim Leeren des Lesepuffers der seriellen Schnittstelle"},
    {125, "Unzulässige Baudrate"},
    {202, "Fehler beim Formatieren der Werte"},
    {301, "Fehler beim Schreiben auf Datei"},
    {303, "Die Datei hat die falsche Versionsnummer"},
    {304, "Fehler beim Lesen der Datei"},
    {308, "Fehler beim Öffnen der Datei"},
    {312, "Aus Datei gelesene Daten haben nicht das erwartete Format"},
    {317, "Fehler beim Aufrufen des Dateiauswahlfensters"},
    {400, "Unzulässige Geräteadresse"},
    {401, "Unzulässiger Parameter"},
    {402, "Fehlermeldung (NAK) vom Gerät erhalten"},
    {403, "Keine Antwort vom Gerät"},
    {404, "Fehlerhafte Antwort vom Gerät"},
    {405, "Befehlsausführung momentan nicht möglich (CAN erhalten)"},
    {406, "Checksummenfehler bei der Übertragung"},
    {500, "Parameter außerhalb der Grenzwerte"},
    {510, "Ungültiger Wert."},
    {600, "Speicherreservierung fehlgeschlagen"},
    {653, "Toolbar konnte nicht erstellt werden"},
    {800, "Fehler beim schreiben in die INI-Datei"},
    {801, "Fehler beim lesen der INI-Datei"},
    {802, "INI-Datei nicht gefunden"},
    {894, "Ungültige Startadresse."},
    {895, "Ungültige Speichergröße."},
    {896, "Ungültiger Speichertyp."},
    {897, "Checksummenfehler im EEPROM Speicher."},
    {1018, "In der WUN-2 Box sind keine Kurven gespeichert."},
    {1019, "Speicherinhalt fehlerhaft."},
    {1020, "Die Datei ist keine MIV-3X Kurvendatei."},
    {1021, "Die Datei ist keine WUN-2 Konfigurationsdatei."},
    {1023, "Nicht genug Speicherplatz auf dem MIV-3X."},
    {1024, "Kurvennummer ungültig."},
    {1025, "Die Datei ist keine WUN-2 Kennliniendatei."},
    {1026, "Im WUN-2 sind keine Kennlinien gespeichert."},
};

class Fehlertexte : public ::testing::Test {
 protected:
  void TearDown() override { ZOR_Fehlersprache(1); }
};

}  // namespace

TEST_F(Fehlertexte, EveryEnglishTextAsTheOperatorReadsIt) {
  ASSERT_EQ(std::size(kEnglisch), FehlertextAnzahl());
  ZOR_Fehlersprache(2);
  for (const Erwartet& e : kEnglisch) {
    EXPECT_STREQ(ZOR_Fehlermeldung(-(e.kategorie * 1000 + 1)), e.text) << e.kategorie;
    EXPECT_EQ(std::string(ZOR_Fehlermeldung(-(e.kategorie * 1000 + 999))), e.text) << e.kategorie;
  }
}

TEST_F(Fehlertexte, TheGermanTextsOfTheRaisedCategories) {
  ASSERT_EQ(std::size(kDeutsch), 45u);
  ZOR_Fehlersprache(1);
  for (const Erwartet& e : kDeutsch) {
    EXPECT_STREQ(ZOR_Fehlermeldung(-(e.kategorie * 1000 + 1)), e.text) << e.kategorie;
  }
}
