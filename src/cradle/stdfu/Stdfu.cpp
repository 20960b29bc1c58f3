#include "cradle/stdfu/Stdfu.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "base/Texts.h"
#include "cradle/stdfu/SimDfuBackend.h"
#include "cradle/stdfu/UsbDfuBackend.h"

namespace feld::stdfu {

std::string codeName(std::uint32_t code)
{
    switch (code) {
#define FELD_STDFU_NAME(name, value, text) \
    case value:                            \
        return #name;
        FELD_STDFU_CODES(FELD_STDFU_NAME)
#undef FELD_STDFU_NAME
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(code));
    return buffer;
}

std::string codeText(std::uint32_t code)
{
    // A language's words for a code are filed under "dfu.<name>".
    switch (code) {
#define FELD_STDFU_TEXT(name, value, text) \
    case value:                            \
        return tk("dfu." #name, text);
        FELD_STDFU_CODES(FELD_STDFU_TEXT)
#undef FELD_STDFU_TEXT
    }
    return formatText(tk("dfu.other", "code %s"), {codeName(code)});
}

std::string statusName(std::uint8_t status)
{
    switch (status) {
#define FELD_DFU_STATUS_NAME(name, value, label) \
    case value:                                  \
        return label;
        FELD_DFU_STATUSES(FELD_DFU_STATUS_NAME)
#undef FELD_DFU_STATUS_NAME
    }
    return {};
}

namespace {

std::mutex g_mutex;
std::shared_ptr<DfuBackend> g_backend;
std::string g_lastError;

void setLastError(std::string text)
{
    std::lock_guard lock(g_mutex);
    g_lastError = std::move(text);
}

// Records the outcome of one call: success clears the reason, a failure keeps the backend's.
std::uint32_t finish(DfuBackend& backend, std::uint32_t code)
{
    if (code == kOk) {
        setLastError({});
    } else {
        std::string why = backend.lastError();
        setLastError(why.empty() ? codeText(code) : why);
    }
    return code;
}

std::uint32_t badParameter(const char* what)
{
    setLastError(std::string("missing or invalid parameter: ") + what);
    return kBadParameter;
}

std::shared_ptr<DfuBackend> chooseBackend()
{
    const char* sim = std::getenv("FELDSPAN_DFU_SIM");
    if (sim && *sim && std::string(sim) != "0")
        return SimDfuBackend::fromDescription(sim);
    return std::make_shared<UsbDfuBackend>();
}

}  // namespace

std::shared_ptr<DfuBackend> STDFU_Backend()
{
    std::lock_guard lock(g_mutex);
    if (!g_backend)
        g_backend = chooseBackend();
    return g_backend;
}

void STDFU_UseBackend(std::shared_ptr<DfuBackend> backend)
{
    std::lock_guard lock(g_mutex);
    g_backend = std::move(backend);
    g_lastError.clear();
}

std::string STDFU_LastError()
{
    std::lock_guard lock(g_mutex);
    return g_lastError;
}

std::uint32_t STDFU_EnumGetNbDevices(unsigned* count, void* window, unsigned kind)
{
    (void)window;
    (void)kind;
    if (!count)
        return badParameter("device count");
    auto backend = STDFU_Backend();
    *count = 0;
    return finish(*backend, backend->enumerate(*count));
}

std::uint32_t STDFU_GetDeviceDescriptor(unsigned index, UsbDeviceDescriptor* descriptor)
{
    if (!descriptor)
        return badParameter("device descriptor");
    auto backend = STDFU_Backend();
    return finish(*backend, backend->deviceDescriptor(index, *descriptor));
}

std::uint32_t STDFU_GetStringDescriptor(unsigned index, unsigned stringIndex, char* buffer, unsigned size)
{
    if (!buffer || size == 0)
        return badParameter("string buffer");
    buffer[0] = '\0';
    auto backend = STDFU_Backend();
    return finish(*backend, backend->stringDescriptor(index, stringIndex, buffer, size));
}

std::uint32_t STDFU_GetDFUDescriptor(unsigned index, DfuFunctionalDescriptor* descriptor, unsigned* extra)
{
    if (!descriptor || !extra)
        return badParameter("DFU descriptor");
    auto backend = STDFU_Backend();
    return finish(*backend, backend->dfuDescriptor(index, *descriptor, *extra));
}

std::uint32_t STDFU_Open(unsigned index, DfuHandle* handle)
{
    if (!handle)
        return badParameter("handle");
    *handle = 0;
    auto backend = STDFU_Backend();
    return finish(*backend, backend->open(index, *handle));
}

std::uint32_t STDFU_Detach(DfuHandle* handle, std::uint16_t timeoutMs, unsigned extra)
{
    // The extra value of the descriptor call comes back here; the interface to detach is known
    // from the handle, so it changes nothing.
    (void)extra;
    if (!handle)
        return badParameter("handle");
    auto backend = STDFU_Backend();
    return finish(*backend, backend->detach(*handle, timeoutMs));
}

std::uint32_t STDFU_Getstate(DfuHandle* handle, std::uint8_t* state)
{
    if (!handle || !state)
        return badParameter("handle or state");
    auto backend = STDFU_Backend();
    return finish(*backend, backend->getState(*handle, *state));
}

std::uint32_t STDFU_Getstatus(DfuHandle* handle, DfuStatus* status)
{
    if (!handle || !status)
        return badParameter("handle or status");
    auto backend = STDFU_Backend();
    return finish(*backend, backend->getStatus(*handle, *status));
}

std::uint32_t STDFU_Clrstatus(DfuHandle* handle)
{
    if (!handle)
        return badParameter("handle");
    auto backend = STDFU_Backend();
    return finish(*backend, backend->clearStatus(*handle));
}

std::uint32_t STDFU_Abort(DfuHandle* handle)
{
    if (!handle)
        return badParameter("handle");
    auto backend = STDFU_Backend();
    return finish(*backend, backend->abort(*handle));
}

std::uint32_t STDFU_Dnload(DfuHandle* handle, const std::uint8_t* data, unsigned length, std::uint16_t block)
{
    if (!handle || (length > 0 && !data))
        return badParameter("handle or data");
    auto backend = STDFU_Backend();
    return finish(*backend, backend->download(*handle, data, length, block));
}

std::uint32_t STDFU_Close(DfuHandle* handle)
{
    if (!handle)
        return badParameter("handle");
    auto backend = STDFU_Backend();
    std::uint32_t code = backend->close(*handle);
    if (code == kOk)
        *handle = 0;
    return finish(*backend, code);
}

}  // namespace feld::stdfu
