// The subcommands of pavlemir-tool: one entry each, one source file each.
#pragma once

#include <span>
#include <string_view>

struct Subcommand {
  std::string_view name;
  std::string_view usage;    // arguments after the name, for --help
  std::string_view summary;  // one line
  // Arguments after the subcommand name; answers the process exit status.
  int (*run)(std::span<char*> args);
};

// Every subcommand, in the order --help lists them.
std::span<const Subcommand> Subcommands();

// Each subcommand's entry point, defined in its own source file.
int RunMasks(std::span<char*> args);
