#include "Kommandos.h"

#include <cstdint>

#include "device/Protokoll.h"

namespace devicetest {

using namespace device;

const std::vector<Kommando>& alleKommandos() {
  static const std::vector<Kommando> k = [] {
    std::vector<Kommando> v;
    v.push_back({"IDLesen",
                 [](Verbindung& v, int p, char a) {
                   char id[32];
                   return ZORFYD1_IDLesen(v, p, a, id);
                 },
                 "#1IDR\r", true, -400006, 0, -101008, -114009, -402010, -405011, -403012, -404013,
                 -404014, false, "#1ZOR\r"});
    v.push_back({"BaudrateSchreiben",
                 [](Verbindung& v, int p, char a) {
                   return ZORMIV1_BaudrateSchreiben(v, p, a - '0', 19200);
                 },
                 "#1BRW19200\r", false, -400016, 0, -101019, -101020, -402021, -405022, -403023,
                 -404024, 0, false, ""});
    v.push_back(
        {"AdresseSchreiben",
         [](Verbindung& v, int p, char a) { return ZORMIV1_AdresseSchreiben(v, p, a - '0', 3); },
         "#1DAW3\r", false, -400025, 0, -101028, -101029, -402030, -405031, -403032, -404033, 0,
         false, ""});
    v.push_back(
        {"DeviceFunction",
         [](Verbindung& v, int p, char a) { return ZORFYD1_DeviceFunction(v, p, a, "start"); },
         "#1DF1\r", false, -400034, 0, -101037, -101038, -402039, -405040, -403041, -404042, 0,
         true, ""});
    v.push_back({"EingangLesen",
                 [](Verbindung& v, int p, char a) {
                   double d = 0;
                   return ZORFYD1_EingangLesen(v, p, a, "e3", &d);
                 },
                 "#1V3R\r", true, -400043, -112046, -101047, -114048, -402049, -405050, -403051,
                 -404052, -404053, false, "#1V3R1.5\r"});
    v.push_back(
        {"AusgangSchreiben",
         [](Verbindung& v, int p, char a) { return ZORFYD1_AusgangSchreiben(v, p, a, "a2", 5.0); },
         "#1V2W5.000\r", false, -400055, -112062, -101063, -101064, -402065, -405066, -403067,
         -404068, 0, true, ""});
    v.push_back({"ParameterLesen",
                 [](Verbindung& v, int p, char a) {
                   double d = 0;
                   return ZORWUN2_ParameterLesen(v, p, a, "max_current", &d);
                 },
                 "#1CbR\r", true, -400080, -112083, -101084, -114085, -402086, -405087, -403088,
                 -404089, -404090, false, "#1CbR8\r"});
    v.push_back({"SpeicherLesen",
                 [](Verbindung& v, int p, char a) {
                   std::uint8_t b[2];
                   return ZORFYD1_SpeicherLesen(v, p, a, 4, 0x100, 2, b);
                 },
                 "#1BDR401000002\r", true, -400092, 0, -101097, -114098, -402099, -405100, -403101,
                 -404102, -404104, false, "#1BDR40100000212AB00BE\r"});
    v.push_back({"SpeicherSchreiben",
                 [](Verbindung& v, int p, char a) {
                   const std::uint8_t b[2] = {0x12, 0xAB};
                   return ZORFYD1_SpeicherSchreiben(v, p, a, 4, 0x100, 2, b);
                 },
                 "#1BDW40100000212AB00BE\r", false, -400118, 0, -101125, -101126, -402127, -405128,
                 -403129, -404130, 0, true, ""});
    v.push_back({"StatusLesen",
                 [](Verbindung& v, int p, char a) {
                   int s = 0;
                   return ZORFYD1_StatusLesen(v, p, a, 2, &s);
                 },
                 "#1S2R\r", true, -400135, 0, -101138, -114139, -402140, -405141, -403142, -404143,
                 -404144, false, "#1S2R$0F\r"});
    v.push_back({"ModusLesen",
                 [](Verbindung& v, int p, char a) {
                   int m = 0;
                   return ZORFYD1_ModusLesen(v, p, a, &m);
                 },
                 "#1M1R\r", true, -400150, 0, -101152, -114153, -402154, -405155, -403156, -404157,
                 -404158, false, "#1M1R$A5\r"});
    v.push_back(
        {"ModusSchreiben",
         [](Verbindung& v, int p, char a) { return ZORFYD1_ModusSchreiben(v, p, a, 1, 0x102); },
         "#1M1S02\r", false, -400160, -112162, -101163, -101164, -402165, -405166, -403167, -404168,
         0, true, ""});
    return v;
  }();
  return k;
}

}  // namespace devicetest
