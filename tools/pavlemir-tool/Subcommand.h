// The subcommands of pavlemir-tool. Each lives in a source file of its own and registers itself
// with a static SubcommandRegistration, so a new subsystem adds a file and touches nothing else.
#pragma once

#include <span>
#include <string_view>
#include <vector>

struct Subcommand {
  std::string_view name;
  std::string_view usage;    // arguments after the name, for --help
  std::string_view summary;  // one line
  // Arguments after the subcommand name; answers the process exit status.
  int (*run)(std::span<char*> args);
};

// Every registered subcommand, sorted by name.
const std::vector<Subcommand>& Subcommands();

struct SubcommandRegistration {
  explicit SubcommandRegistration(const Subcommand& command);
};
