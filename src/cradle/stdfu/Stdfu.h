#pragma once
// The cradle's DFU library: one thin function per DFU request or descriptor, each returning a
// code of DfuTypes.h (0x12340000 on success). Device indexes name the list built by the last
// STDFU_EnumGetNbDevices; every call after STDFU_Open takes the handle by reference.
//
// The functions talk to the USB bus through libusb unless a simulated device is chosen: by
// STDFU_UseBackend, or by the environment variable FELDSPAN_DFU_SIM ("1" for one default
// simulated cradle, or the path of a description file, see SimDfuBackend.h).

#include <cstdint>
#include <memory>
#include <string>

#include "cradle/stdfu/DfuBackend.h"
#include "cradle/stdfu/DfuTypes.h"

namespace feld::stdfu {

// Counts the attached devices with a DFU interface. `window` and `kind` are the caller's tags
// (the update passes its window and 2258); they do not change what is listed.
std::uint32_t STDFU_EnumGetNbDevices(unsigned* count, void* window, unsigned kind);
std::uint32_t STDFU_GetDeviceDescriptor(unsigned index, UsbDeviceDescriptor* descriptor);
// Reads string `stringIndex` of device `index` into `buffer` (size bytes, NUL-terminated).
std::uint32_t STDFU_GetStringDescriptor(unsigned index, unsigned stringIndex, char* buffer, unsigned size);
// The DFU functional descriptor; `extra` receives the largest block one download may carry
// (the transfer size), which STDFU_Detach takes back.
std::uint32_t STDFU_GetDFUDescriptor(unsigned index, DfuFunctionalDescriptor* descriptor, unsigned* extra);
std::uint32_t STDFU_Open(unsigned index, DfuHandle* handle);
// DFU_DETACH with the time-out in wValue; afterwards the handle addresses the device in DFU mode.
std::uint32_t STDFU_Detach(DfuHandle* handle, std::uint16_t timeoutMs, unsigned extra);
// DFU_GETSTATE: the device's state byte.
std::uint32_t STDFU_Getstate(DfuHandle* handle, std::uint8_t* state);
// DFU_GETSTATUS: status byte, poll time-out, state, string index.
std::uint32_t STDFU_Getstatus(DfuHandle* handle, DfuStatus* status);
// DFU_CLRSTATUS: leaves the error state.
std::uint32_t STDFU_Clrstatus(DfuHandle* handle);
// DFU_ABORT: back to the idle state.
std::uint32_t STDFU_Abort(DfuHandle* handle);
// DFU_DNLOAD of `length` bytes with the block number in wValue (length 0 ends the download).
std::uint32_t STDFU_Dnload(DfuHandle* handle, const std::uint8_t* data, unsigned length, std::uint16_t block);
// Releases the device; the handle becomes 0.
std::uint32_t STDFU_Close(DfuHandle* handle);

// The reason of the last failed call in words, for example the udev rule to install when the
// system denied access. Empty after a successful call.
std::string STDFU_LastError();

// Puts a backend behind the functions (nullptr: choose again from the environment on next use).
void STDFU_UseBackend(std::shared_ptr<DfuBackend> backend);
// The backend in use, chosen on first use.
std::shared_ptr<DfuBackend> STDFU_Backend();

}  // namespace feld::stdfu
