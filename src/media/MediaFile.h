#pragma once
// Where the bytes of a media file the book names come from: the resource pack's copy when the
// pack holds the file (the pack overlays the disk), else the file on disk.

#include "platform/ui/MediaDevice.h"

#include <string>

// `fileName` is a Windows name; one without a drive is taken from the current folder. Returns
// 0, or the error number when the pack's copy cannot be read; a missing file is left for the
// device to report.
int MediaSourceOf(const std::string& fileName, TMediaSource& source);
