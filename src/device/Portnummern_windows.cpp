// Windows: the ports the registry lists under HARDWARE\DEVICEMAP\SERIALCOMM ("COM3" -> 3).
#include <windows.h>

#include "device/Portnummern.h"

namespace device {

std::map<int, std::string> Systemports(const PortQuellen&) {
  std::map<int, std::string> ports;
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
      ERROR_SUCCESS)
    return ports;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameLen = sizeof name;
    BYTE data[256];
    DWORD dataLen = sizeof data - 1;
    DWORD type = 0;
    if (RegEnumValueA(key, i, name, &nameLen, nullptr, &type, data, &dataLen) != ERROR_SUCCESS)
      break;
    if (type != REG_SZ) continue;
    data[dataLen] = 0;
    const std::string text(reinterpret_cast<char*>(data));
    if (text.rfind("COM", 0) != 0) continue;
    const int n = GanzePortzahl(text.substr(3));
    if (n >= 0 && n <= 256) ports[n] = "\\\\.\\" + text;
  }
  RegCloseKey(key);
  return ports;
}

}  // namespace device
