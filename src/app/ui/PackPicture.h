#pragma once
// Pictures of the book, read through the resource pack (else from disk).

#include <QImage>
#include <string>

// The picture as 32-bit RGB; a null image when it is missing or unreadable.
QImage LoadPackPicture(const std::string& fileName);
