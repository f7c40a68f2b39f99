#include "platform/SystemInfo.h"

namespace SystemInfo {

bool IsNtFamily() { return true; }

std::string ShortPathName(const std::string& name) { return name; }

}  // namespace SystemInfo
