#pragma once
// TCZKEM: the thin wrapper over the terminal maker's COM control and its dual interface
// IZKEM. Texts are in the window's 8-bit code page here and UTF-16 BSTRs at the COM boundary.
// Every operation answers the kit's COM Boolean (non-zero = true); a failing HRESULT raises
// EOleSysError. The machine number is always 1 in this program.
#include <string>

#include "framework/Exception.h"

struct IZKEM;
struct IUnknown;

namespace vcu {

class TCZKEM {
public:
  // Creates the kit's COM object from its class identifier; raises EOleSysError when that fails
  // (for example "Class not registered").
  TCZKEM();
  ~TCZKEM();
  TCZKEM(const TCZKEM&) = delete;
  TCZKEM& operator=(const TCZKEM&) = delete;

  bool OpenNetworkLink(const std::string& address, int port);
  bool OpenUsbLink(int machineNumber);
  bool ReadFirmwareVersion(int machineNumber, std::string& version);   // in/out
  bool ReadProductName(int machineNumber, std::string& name);          // out
  bool ReadSerialNumber(int machineNumber, std::string& serial);       // out
  bool ReadSdkVersion(std::string& version);                           // in/out
  bool ReadManufacturer(std::string& manufacturer);                    // in/out
  bool ReadPlatformName(int machineNumber, std::string& platform);     // in/out
  bool ReadOption(int machineNumber, const std::string& name, std::string& value); // out
  bool WriteOption(int machineNumber, const std::string& name, const std::string& value);
  bool RestartTerminal(int machineNumber);

  int MachineNumber = 0; // published; the program never sets it

private:
  IZKEM& Intf(); // the IZKEM reference, taken at the first operation

  IUnknown* control_ = nullptr;
  IZKEM* intf_ = nullptr;
};

} // namespace vcu
