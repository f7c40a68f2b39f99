#pragma once
// booktool's commands. Each command file registers its commands with a static
// RegisterCommand; main() dispatches. A command throws UsageError for wrong arguments
// (exit 2) and InputError for bad input (exit 1, the message on stderr).

#include <stdexcept>
#include <string>
#include <vector>

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct InputError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct BooktoolCommand {
  std::string name;
  std::string usage;  // "pack DIR OUT"
  std::string summary;
  int (*run)(const std::vector<std::string>& args);  // args after the command word
};

std::vector<BooktoolCommand>& Commands();

struct RegisterCommand {
  explicit RegisterCommand(BooktoolCommand command) { Commands().push_back(std::move(command)); }
};
