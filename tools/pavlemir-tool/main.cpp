// pavlemir-tool: the project's command-line front end to the game's layers.
#include <cstdio>
#include <string_view>

#include "Subcommand.h"

namespace {

void PrintHelp(std::FILE* out) {
  std::fprintf(out, "usage: pavlemir-tool SUBCOMMAND [ARGS...]\n\nsubcommands:\n");
  for (const Subcommand& command : Subcommands()) {
    std::fprintf(out, "  %.*s %.*s\n      %.*s\n", static_cast<int>(command.name.size()),
                 command.name.data(), static_cast<int>(command.usage.size()), command.usage.data(),
                 static_cast<int>(command.summary.size()), command.summary.data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintHelp(stderr);
    return 2;
  }
  const std::string_view name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintHelp(stdout);
    return 0;
  }
  for (const Subcommand& command : Subcommands()) {
    if (command.name == name) return command.run(std::span<char*>(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "pavlemir-tool: unknown subcommand '%s'\n\n", argv[1]);
  PrintHelp(stderr);
  return 2;
}
