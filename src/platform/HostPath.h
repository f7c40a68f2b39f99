#pragma once
// Windows path texts on the host file system.
//
// Book data names files the Windows way ("d:\run\man\a.htm"). The disc root is drive d:,
// drive c: is the user's home folder (so a book's install folder "c:\autobook\" lands where
// the reader can write), and drive z: is the host's "/". Each component is matched
// without regard to case (Latin and Cyrillic) against cached folder listings; names are
// Windows-1251 in the book and UTF-8 on the host. Components that do not exist keep their
// spelling, so a name can also be mapped before its file is written.

#include <QString>
#include <string>
#include <string_view>

namespace HostPath {

// Makes `hostFolder` drive d: (Global.DiscRootHost). Clears the listing cache.
void SetDiscRoot(const QString& hostFolder);

// Host file name for a Windows name; empty for a drive that has no host folder.
QString ToHost(std::string_view windowsName);
// Windows name (Windows-1251) for a host file name: under the disc root on d:, under the home
// folder on c:, else on z:.
std::string ToWindows(const QString& hostName);

// The letter of the first CD-ROM drive from A to Z, lower-case, or 0 when there is none. Here
// that is drive d: while it has a host folder.
char FirstCdDrive();

bool FileExists(std::string_view windowsName);  // a file, not a folder
bool FolderExists(std::string_view windowsName);

}  // namespace HostPath
