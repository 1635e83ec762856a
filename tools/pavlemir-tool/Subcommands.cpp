// The table of subcommands; a new subsystem adds one line here and one source file.
#include "Subcommand.h"

#include <array>

std::span<const Subcommand> Subcommands() {
  static const std::array<Subcommand, 1> table = {{
      {"masks", "OUTDIR", "write the 64 edge masks as mask-00.pgm .. mask-63.pgm", RunMasks},
  }};
  return table;
}
