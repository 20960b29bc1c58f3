#pragma once
// feldspan-cli cradle version: the cradle's firmware version, read over the USB connection.

#include <string>
#include <vector>

namespace feld::cli {

class CliContext;

// Prints the about-the-cradle line. 0 shown, 1 failed (the reason is on stderr), 2 usage.
int cradleVersionCommand(CliContext& ctx, const std::vector<std::string>& args);

}  // namespace feld::cli
