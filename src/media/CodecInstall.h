#pragma once
// Installing the video and audio decoders the book's clips need, from the disc's "Resource\"
// folder below ProgramFolder: the files are copied into the system folder and registered in
// the registry and in the Windows folder's INI files. On hosts where the media back end
// brings its own decoders, the same steps land in the stand-ins for those places (the
// per-user registry files and Windows folder), so nothing outside the user's folders
// changes. Every failure is ignored; nothing is reported.

#include "platform/SystemInfo.h"

// The Indeo 5 video codec: copied when missing, then registered by the disc's own
// registration program (started hidden, not waited for).
void InstallIndeoCodec();
// The MPEG layer-3 audio codec; an installed copy is never replaced.
void InstallMp3Codec(bool ntFamily = SystemInfo::IsNtFamily());
// The MPEG video driver, when a clip cannot be opened; its files always replace the
// installed ones.
void InstallMpegDriver(bool ntFamily = SystemInfo::IsNtFamily());
