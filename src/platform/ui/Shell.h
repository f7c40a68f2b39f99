#pragma once
// Asking the desktop to "open" a file or address, as the Windows shell does.

#include <string>

namespace Shell {

// Opens `target` (a Windows file name, or an address such as http:... or mailto:...) with
// `parameters`, in `folder` as current directory when given. A program is started; any other
// file goes to the desktop's handler for its type. False when nothing could be started.
bool Open(const std::string& target, const std::string& parameters = {}, const std::string& folder = {});

}  // namespace Shell
