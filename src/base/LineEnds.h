#pragma once
// The receive settings' line-end conversion: keep or drop the CR, keep or drop the LF of each CR LF
// pair of a file fetched from the terminal. Data receive and the file manager's download share it.

#include <string>
#include <string_view>

namespace feld {

// The bytes with the CR of each CR LF pair left out unless keepCr, and the LF of each pair left out
// unless keepLf (pairs are found in the received bytes; a lone CR or LF always stays).
std::string FilterLineEnds(std::string_view in, bool keepCr, bool keepLf);

}  // namespace feld
