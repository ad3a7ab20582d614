#pragma once

#include "linesettings.h"

#include <optional>

// The line settings of a terminal, both ways. The two ends of a pseudo-terminal share one set of
// settings, so the simulator reads on its end what the program set on the other. On a
// pseudo-terminal the settings change nothing on the wire, and Linux keeps only their speed and
// stop bits: it always reports no parity and 8 data bits.
namespace TerminalLine {

// Speed (any number, standard or not), parity, data bits and stop bits of the terminal `fd`.
std::optional<LineSettings> read(int fd);
// Sets them on the terminal `fd`; false with errno set when the terminal refuses.
bool write(int fd, const LineSettings &line);

} // namespace TerminalLine
