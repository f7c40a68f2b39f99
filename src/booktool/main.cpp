#include "booktool/Command.h"

#include <algorithm>
#include <cstdio>
#include <exception>

std::vector<BooktoolCommand>& Commands() {
  static std::vector<BooktoolCommand> commands;
  return commands;
}

namespace {

void PrintHelp(FILE* out) {
  std::fputs("usage: booktool COMMAND ARGS...\n\nCommands:\n", out);
  auto list = Commands();
  std::sort(list.begin(), list.end(), [](auto& a, auto& b) { return a.name < b.name; });
  for (const auto& c : list) std::fprintf(out, "  %-28s %s\n", c.usage.c_str(), c.summary.c_str());
  std::fputs("\nExit status: 0 success, 1 bad input, 2 usage error.\n", out);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintHelp(stderr);
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(stdout);
    return 0;
  }
  for (const auto& c : Commands()) {
    if (c.name != args[0]) continue;
    try {
      return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
    } catch (const UsageError& e) {
      std::fprintf(stderr, "booktool: %s\nusage: booktool %s\n", e.what(), c.usage.c_str());
      return 2;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "booktool: %s\n", e.what());
      return 1;
    }
  }
  std::fprintf(stderr, "booktool: unknown command '%s' (see booktool --help)\n", args[0].c_str());
  return 2;
}
