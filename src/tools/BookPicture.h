#pragma once
// Pictures of the skin, read through the pack lookup.

#include <QImage>
#include <string>

// The picture `name` under the program folder, in 32-bit RGB; a null picture when it is
// missing or cannot be decoded.
QImage LoadBookPicture(const std::string& name);
