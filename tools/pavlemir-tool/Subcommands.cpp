// The registry of subcommands.
#include <algorithm>

#include "Subcommand.h"

namespace {

std::vector<Subcommand>& Registry() {
  static std::vector<Subcommand> commands;
  return commands;
}

}  // namespace

SubcommandRegistration::SubcommandRegistration(const Subcommand& command) {
  auto& commands = Registry();
  const auto at =
      std::lower_bound(commands.begin(), commands.end(), command,
                       [](const Subcommand& a, const Subcommand& b) { return a.name < b.name; });
  commands.insert(at, command);
}

const std::vector<Subcommand>& Subcommands() {
  return Registry();
}
