#pragma once
// The texts of the archive browser: names of its working folder and pages, the size and time
// columns of a listing, and its messages. Everything is Windows-1251, as the pages are.

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// The archive's full name as a folder name: the last '\', ':' or '.' becomes '_', then every
// remaining '\' and ':' does ("d:\soft\tools.rar" gives "d__soft_tools_rar").
std::string MangledName(const std::string& archiveName);
// "as_" + the mangled name + '\', below `tempFolder`.
std::string ListingFolderOf(const std::string& tempFolder, const std::string& archiveName);
// "as_" + the archive's file name + ".htm".
std::string FramePageName(const std::string& archiveName);
inline constexpr const char* BarPageName = "as_bar.htm";
// "as_" + the folder's index + the time of writing as a DOS date-time, in decimal, + ".htm".
std::string FolderPageName(size_t index, uint32_t writeTime);

// A size below 1000 in bytes ("999 байт"); from 1000 on in thousands, rounded half to even,
// with digits grouped by non-breaking spaces ("1 235 Кбайт").
std::string SizeText(uint64_t size);
// "dd mmm yy hh:nn" with Russian short month names; empty for 0 or a date that is no date.
std::string TimeText(uint32_t dosTime);

// MS-DOS date and time (date in the high half) of a moment in local time; 0 outside the
// years 1980 to 2107.
uint32_t DosDateTime(std::time_t moment);

// Results of opening an archive, reading a header and processing a member.
enum class TRarCode {
  Success = 0,
  EndArchive = 10,
  NoMemory = 11,
  BadData = 12,
  BadArchive = 13,
  UnknownFormat = 14,
  EOpen = 15,
  ECreate = 16,
  EClose = 17,
  ERead = 18,
  EWrite = 19,
};

// The message for a failed open of `archiveName`.
std::string OpenMessage(TRarCode code, const std::string& archiveName);
// The message for a member `name` that could not be processed; empty when none is shown.
std::string ProcessMessage(TRarCode code, const std::string& name);
std::string DamagedHeaderMessage(const std::string& name);
std::string VolumeMissingMessage(const std::string& volumeName);

// Messages of what the browser refuses to do with a hostile archive.
std::string TooManyMembersMessage(const std::string& archiveName, size_t limit);
// `names` are the members not extracted because their names or links lead out of the folder.
std::string RefusedMembersMessage(const std::vector<std::string>& names);
std::string DiskSpaceMessage(uint64_t needed, uint64_t available);
