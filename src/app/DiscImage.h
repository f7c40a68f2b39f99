#pragma once
// Books on CD images (ISO 9660). The reader sees an image as a folder: it is unpacked at its
// first use into the user's cache folder, under a name made of the image's file name, size
// and modification time, and found there on later starts. The image itself is only read.

#include <QString>

// Whether `path` names a disc image (".iso", letter case ignored).
bool IsDiscImageName(const QString& path);

// The folder holding the unpacked image. Throws EDataError when the image cannot be read or
// unpacked; nothing is left in the cache then. Members whose names would leave the folder,
// links and devices are skipped.
QString DiscImageFolder(const QString& imagePath);

// Writes every file and folder below `folder` as the image `imagePath` (Rock Ridge and Joliet
// names keep long names and letter case). Throws EDataError when it cannot.
void WriteDiscImage(const QString& folder, const QString& imagePath);
