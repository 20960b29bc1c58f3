#pragma once
// Values and records of the cradle's DFU library: result codes, the descriptors it hands out, the
// status record of a DFU_GETSTATUS request and the DFU states the update looks at.

#include <cstdint>
#include <string>

namespace feld::stdfu {

// Every call of the library answers with a 32-bit code; 0x12340000 is success. The codes from
// 0x12340018 up belong to the program (the update worker's are listed here too; the file reader's
// 0x1234001A..0x1234001E are in DfuFile.h), and 0x1234001F + 0x1000 x s carries a DFU status
// byte s, so the library keeps below 0x12340018.
#define FELD_STDFU_CODES(X)                                                                         \
    X(Ok, 0x12340000u, "success")                                                                   \
    X(BadParameter, 0x12340001u, "a parameter is missing or out of range")                          \
    X(InitFailed, 0x12340002u, "the USB library could not be initialised")                         \
    X(NoSuchDevice, 0x12340003u, "no DFU device at this index (list the devices again)")            \
    X(DescriptorError, 0x12340004u, "the device descriptor could not be read")                      \
    X(StringError, 0x12340005u, "the string descriptor could not be read")                          \
    X(NoDfuDescriptor, 0x12340006u, "the device has no DFU functional descriptor")                  \
    X(OpenFailed, 0x12340007u, "the device could not be opened")                                    \
    X(AccessDenied, 0x12340008u, "access to the device was denied")                                 \
    X(ClaimFailed, 0x12340009u, "the DFU interface could not be claimed")                           \
    X(NotOpen, 0x1234000Au, "the handle does not name an open device")                              \
    X(RequestFailed, 0x1234000Bu, "the device refused the request")                                 \
    X(ShortReply, 0x1234000Cu, "the device answered fewer bytes than the request needs")            \
    X(DeviceGone, 0x1234000Du, "the device is no longer attached")                                  \
    X(Timeout, 0x1234000Eu, "the device did not answer in time")                                    \
    X(TooLarge, 0x1234000Fu, "the block is larger than the device's transfer size")                 \
    X(NoReturn, 0x12340010u, "the device did not come back in DFU mode after the detach")        \
    X(WorkerBusy, 0x12340018u, "another cradle update is running")                                  \
    X(NoThread, 0x12340019u, "the update could not be started")                                     \
    X(WorkerFault, 0x12340020u, "the update stopped on an unexpected fault (out of memory or a library failure)") \
    X(NothingToWrite, 0x12340021u,                                                                  \
      "the firmware file holds no byte in the area the update writes: the update would erase the "  \
      "cradle's firmware and write nothing, so it was refused before anything was erased")

enum Code : std::uint32_t {
#define FELD_STDFU_ENUM(name, value, text) k##name = value,
    FELD_STDFU_CODES(FELD_STDFU_ENUM)
#undef FELD_STDFU_ENUM
};

// The code's name ("NoSuchDevice") and its meaning in words; unknown codes give a hex number.
std::string codeName(std::uint32_t code);
std::string codeText(std::uint32_t code);

// An open device, as STDFU_Open hands it out; 0 names nothing.
using DfuHandle = std::uint32_t;

// The USB device descriptor in its standard 18-byte layout.
struct UsbDeviceDescriptor {
    std::uint8_t bLength = 18;
    std::uint8_t bDescriptorType = 1;
    std::uint16_t bcdUSB = 0x0200;
    std::uint8_t bDeviceClass = 0;
    std::uint8_t bDeviceSubClass = 0;
    std::uint8_t bDeviceProtocol = 0;
    std::uint8_t bMaxPacketSize0 = 64;
    std::uint16_t idVendor = 0;
    std::uint16_t idProduct = 0;
    std::uint16_t bcdDevice = 0;
    std::uint8_t iManufacturer = 0;
    std::uint8_t iProduct = 0;
    std::uint8_t iSerialNumber = 0;
    std::uint8_t bNumConfigurations = 1;
};
static_assert(sizeof(UsbDeviceDescriptor) == 18, "the device descriptor keeps its USB layout");

// The DFU functional descriptor (9 bytes on the wire), by field.
struct DfuFunctionalDescriptor {
    std::uint8_t bLength = 9;
    std::uint8_t bDescriptorType = 0x21;
    std::uint8_t bmAttributes = 0;
    std::uint16_t wDetachTimeOut = 0;
    std::uint16_t wTransferSize = 0;
    std::uint16_t bcdDFUVersion = 0x0110;
};

// Attribute bits of the functional descriptor.
constexpr std::uint8_t kCanDownload = 0x01;
constexpr std::uint8_t kCanUpload = 0x02;
constexpr std::uint8_t kManifestationTolerant = 0x04;
constexpr std::uint8_t kWillDetach = 0x08;

// The 6 bytes of a DFU_GETSTATUS answer, by field (poll time-out in milliseconds, 24 bits).
struct DfuStatus {
    std::uint8_t bStatus = 0;
    std::uint32_t bwPollTimeout = 0;
    std::uint8_t bState = 0;
    std::uint8_t iString = 0;
};

// DFU device states.
enum DfuState : std::uint8_t {
    kAppIdle = 0,
    kAppDetach = 1,
    kDfuIdle = 2,
    kDnloadSync = 3,
    kDnBusy = 4,
    kDnloadIdle = 5,
    kManifestSync = 6,
    kManifest = 7,
    kManifestWaitReset = 8,
    kUploadIdle = 9,
    kDfuError = 10,
};

// DFU status bytes (0 = no error), with the names the DFU class gives them (names, not texts to
// translate).
#define FELD_DFU_STATUSES(S)            \
    S(StatusOk, 0x00, "OK")             \
    S(ErrTarget, 0x01, "errTARGET")     \
    S(ErrFile, 0x02, "errFILE")         \
    S(ErrWrite, 0x03, "errWRITE")       \
    S(ErrErase, 0x04, "errERASE")       \
    S(ErrCheckErased, 0x05, "errCHECK_ERASED") \
    S(ErrProg, 0x06, "errPROG")         \
    S(ErrVerify, 0x07, "errVERIFY")     \
    S(ErrAddress, 0x08, "errADDRESS")   \
    S(ErrNotDone, 0x09, "errNOTDONE")   \
    S(ErrFirmware, 0x0A, "errFIRMWARE") \
    S(ErrVendor, 0x0B, "errVENDOR")     \
    S(ErrUsbReset, 0x0C, "errUSBR")     \
    S(ErrPowerOnReset, 0x0D, "errPOR")  \
    S(ErrUnknown, 0x0E, "errUNKNOWN")   \
    S(ErrStalledPkt, 0x0F, "errSTALLEDPKT")

enum DfuStatusByte : std::uint8_t {
#define FELD_DFU_STATUS_ENUM(name, value, label) k##name = value,
    FELD_DFU_STATUSES(FELD_DFU_STATUS_ENUM)
#undef FELD_DFU_STATUS_ENUM
};

// The status byte's name ("errNOTDONE"); a value the DFU class does not define gives "".
std::string statusName(std::uint8_t status);

// Product id of a device that already runs its DFU mode.
constexpr std::uint16_t kDfuModeProduct = 0xDF11;

}  // namespace feld::stdfu
