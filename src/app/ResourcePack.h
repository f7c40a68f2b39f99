#pragma once
// The resource pack "interface.dat": a zlib-compressed directory of folders and files that
// overlays the disk. One pack is open per process; lookups and extractions share it.

#include "app/MemoryStream.h"

#include <string>
#include <vector>

// Forgets the previous pack and opens `fileName` (a Windows name). Returns 0. Throws
// EFOpenError when the file is missing or unreadable and EDataError when it is damaged;
// either way no pack is open afterwards and every lookup finds nothing.
int PackOpen(const std::string& fileName);
void PackSetRoot(const std::string& prefix);
void PackNormalizeName(std::string& text);
int PackFind(const std::string& path);
int PackExtract(int entry, TMemoryStream& stream);
int PackLoad(const std::string& path, TMemoryStream& stream);
bool FileOrPackExists(const std::string& path);
std::vector<std::string> PackListFiles();
