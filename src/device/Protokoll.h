// The WUN-2 command protocol: one function per device command. Each sends one ASCII
// frame through the connection's serial-port service, checks the acknowledgement and, for
// reading commands, the data reply. 0 on success, else a negative error code.
#pragma once

#include <cstdint>

namespace device {

class Verbindung;

// Control characters of the protocol.
inline constexpr int kCR = 13;
inline constexpr int kACK = 6;
inline constexpr int kNAK = 21;
inline constexpr int kCAN = 24;

int ZORFYD1_Open(Verbindung& v, int port, long baudRate);
int ZORFYD1_Close(Verbindung& v, int port);
int ZORFYD1_Timeout(Verbindung& v, int port, double seconds);

// buffer: at least 30 characters; receives the ID with every space removed.
int ZORFYD1_IDLesen(Verbindung& v, int port, char address, char* buffer);
// funktion: "start" or "stopp".
int ZORFYD1_DeviceFunction(Verbindung& v, int port, char address, const char* funktion);
// eingang: "e1".."e4"; the value in volts as the device sent it.
int ZORFYD1_EingangLesen(Verbindung& v, int port, char address, const char* eingang, double* value);
// ausgang: "a1".."a4"; value 0.0 to 10.0 volts.
int ZORFYD1_AusgangSchreiben(Verbindung& v, int port, char address, const char* ausgang,
                             double value);
// parameter: "speicherinhalt", "max_current" or "compartibility_mode"; address '0'..'8'.
int ZORWUN2_ParameterLesen(Verbindung& v, int port, char address, const char* parameter,
                           double* value);
// memoryType 4 or 5; start 0..65535; count 1..65536 (65536 goes as two reads of 32768).
int ZORFYD1_SpeicherLesen(Verbindung& v, int port, char address, int memoryType, long start,
                          long count, std::uint8_t* buffer);
// count 0..64.
int ZORFYD1_SpeicherSchreiben(Verbindung& v, int port, char address, int memoryType, long start,
                              long count, const std::uint8_t* data);
// register 1 or 2; value 0..255.
int ZORFYD1_StatusLesen(Verbindung& v, int port, char address, int statusRegister, int* value);
int ZORFYD1_ModusLesen(Verbindung& v, int port, char address, int* value);
// set non-zero sets the mask's bits, 0 clears them; only the low 8 bits are sent.
int ZORFYD1_ModusSchreiben(Verbindung& v, int port, char address, int set, int mask);
// Numeric addresses (0..9, 9 broadcast; 0..8 for the address command).
int ZORMIV1_BaudrateSchreiben(Verbindung& v, int port, int address, long baudRate);
int ZORMIV1_AdresseSchreiben(Verbindung& v, int port, int address, int newAddress);

int FlushInOut(Verbindung& v, int port);
int Hexchar2Int(char c);

}  // namespace device
