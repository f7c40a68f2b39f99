#pragma once
// What the program asks the platform about itself.

#include <string>

namespace SystemInfo {

// The platform counts as the NT family of Windows (every platform the program runs on now
// does; the older family differs in where drivers are registered).
bool IsNtFamily();

// The short (8.3) form of a Windows name. Hosts that keep no short names answer with the name
// itself, as Windows does on volumes without them.
std::string ShortPathName(const std::string& name);

}  // namespace SystemInfo
