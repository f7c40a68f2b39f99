#pragma once
// The resource pack "interface.dat": a zlib-compressed directory of folders and files that
// overlays the disk. One pack is open per process; lookups and extractions share it.

#include "app/MemoryStream.h"

#include <QString>
#include <string>
#include <vector>

// Forgets the previous pack and opens `fileName` (a Windows name). Returns 0. Throws
// EFOpenError when the file is missing or unreadable and EDataError when it is damaged;
// either way no pack is open afterwards and every lookup finds nothing.
int PackOpen(const std::string& fileName);
// PackOpen for a host file name (tools and tests, which are given host paths).
int PackOpenHostFile(const QString& hostFileName);
// Forgets the open pack: every lookup finds nothing until the next PackOpen.
void PackClose();
// The host file of the open pack; empty when none is open.
QString PackHostName();
void PackSetRoot(const std::string& prefix);
void PackNormalizeName(std::string& text);
// Paths over 1024 bytes, or with a component over 100 bytes, are never found.
int PackFind(const std::string& path);
// -1 when the entry is not a file, or when its bytes are damaged (they do not inflate to
// exactly the recorded size, or can no longer be read); the stream is unchanged then.
int PackExtract(int entry, TMemoryStream& stream);
int PackLoad(const std::string& path, TMemoryStream& stream);
bool FileOrPackExists(const std::string& path);
// Each folder and entry is walked once, at its first place, so folders that share or loop
// back to a group cannot repeat the listing; paths PackFind would refuse are left out.
std::vector<std::string> PackListFiles();
