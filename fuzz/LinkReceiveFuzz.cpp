// Bytes from the line into the link's receive state machine: headers, data frames and the reply
// store, fed in pieces as a terminal answering would. The first byte is the mode: odd ones belong
// to the reply fuzzer, which shares the input layout.

#include <cstddef>
#include <cstdint>

#include "FuzzLink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace feld;
    if (size < 1 || (data[0] & 1))
        return 0;
    fuzzlink::FuzzLink f(data + 1, size - 1);
    if (!f.device())
        return 0;
    PdtLink& link = f.link();
    BufferSink sink;
    const int r = link.ReceiveTransfer(false, Expect::FileOrAnswer(sink));
    // Whatever was stored must be consistent with itself, and a file no longer than announced.
    if (link.ReplyRecordCount() != static_cast<int>((link.ReplyData().size() + 27) / 28))
        __builtin_trap();
    if (r == 1 && link.Engine().ReplyKind() == 3 && sink.bytes.size() > 0x7FFFFFFF)
        __builtin_trap();
    return 0;
}
