#include "base/LineEnds.h"

namespace feld {

std::string FilterLineEnds(std::string_view in, bool keepCr, bool keepLf)
{
    std::string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '\r' && !keepCr && i + 1 < in.size() && in[i + 1] == '\n')
            continue;
        if (c == '\n' && !keepLf && i > 0 && in[i - 1] == '\r')
            continue;
        out += c;
    }
    return out;
}

}  // namespace feld
