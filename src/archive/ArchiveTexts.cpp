#include "archive/ArchiveTexts.h"

#include "platform/Cp1251.h"
#include "platform/WinNames.h"

#include <array>

namespace {

std::string Text(const char16_t* utf16) { return ToCp1251(QStringView(utf16)); }

std::string TwoDigits(unsigned value) {
  return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

// Thousands grouped with the non-breaking space of Windows-1251 (0xA0).
std::string Grouped(uint64_t value) {
  std::string digits = std::to_string(value);
  for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, '\xA0');
  return digits;
}

}  // namespace

std::string MangledName(const std::string& archiveName) {
  std::string name = archiveName;
  const size_t last = name.find_last_of("\\:.");
  if (last != std::string::npos) name[last] = '_';
  for (char& c : name)
    if (c == '\\' || c == ':') c = '_';
  return name;
}

std::string ListingFolderOf(const std::string& tempFolder, const std::string& archiveName) {
  return tempFolder + "as_" + MangledName(archiveName) + "\\";
}

std::string FramePageName(const std::string& archiveName) { return "as_" + FileNamePart(archiveName) + ".htm"; }

std::string FolderPageName(size_t index, uint32_t writeTime) {
  return "as_" + std::to_string(index) + std::to_string(writeTime) + ".htm";
}

std::string SizeText(uint64_t size) {
  if (size < 1000) return std::to_string(size) + Text(u" байт");
  uint64_t thousands = size / 1000;
  const uint64_t rest = size % 1000;
  if (rest > 500 || (rest == 500 && thousands % 2 == 1)) ++thousands;
  return Grouped(thousands) + Text(u" Кбайт");
}

std::string TimeText(uint32_t dosTime) {
  static const std::array<std::string, 12> months = {Text(u"янв"), Text(u"фев"), Text(u"мар"), Text(u"апр"),
                                                     Text(u"май"), Text(u"июн"), Text(u"июл"), Text(u"авг"),
                                                     Text(u"сен"), Text(u"окт"), Text(u"ноя"), Text(u"дек")};
  const unsigned month = (dosTime >> 21) & 0x0F;
  if (dosTime == 0 || month < 1 || month > 12) return {};
  const unsigned year = 1980 + (dosTime >> 25);
  return TwoDigits((dosTime >> 16) & 0x1F) + ' ' + months[month - 1] + ' ' + TwoDigits(year % 100) + ' ' +
         TwoDigits((dosTime >> 11) & 0x1F) + ':' + TwoDigits((dosTime >> 5) & 0x3F);
}

uint32_t DosDateTime(std::time_t moment) {
  std::tm local{};
  if (!localtime_r(&moment, &local)) return 0;
  const int year = local.tm_year + 1900;
  if (year < 1980 || year > 2107) return 0;
  const uint32_t date = (uint32_t(year - 1980) << 9) | (uint32_t(local.tm_mon + 1) << 5) | uint32_t(local.tm_mday);
  const uint32_t time = (uint32_t(local.tm_hour) << 11) | (uint32_t(local.tm_min) << 5) | uint32_t(local.tm_sec / 2);
  return date << 16 | time;
}

std::string OpenMessage(TRarCode code, const std::string& archiveName) {
  switch (code) {
    case TRarCode::NoMemory: return "Not enough memory to initialize data structures";
    case TRarCode::BadData: return archiveName + ": archive header broken";
    case TRarCode::BadArchive: return Text(u"Файл ") + archiveName + Text(u" не является RAR архивом.");
    default: return "Cannot open " + archiveName;
  }
}

std::string ProcessMessage(TRarCode code, const std::string& name) {
  switch (code) {
    case TRarCode::BadData: return Text(u"У файла ") + name + Text(u" ошика контрольной суммы.");
    case TRarCode::BadArchive: return "Volume is not valid RAR archive";
    case TRarCode::UnknownFormat: return "Unknown archive format";
    case TRarCode::ECreate: return "File " + name + " create error";
    case TRarCode::EClose: return "File " + name + " close error";
    case TRarCode::ERead: return "Read error";
    case TRarCode::EWrite: return "Write error";
    default: return {};
  }
}

std::string DamagedHeaderMessage(const std::string& name) {
  return Text(u"У файла: ") + name + Text(u" испорчен заголовок.");
}

std::string VolumeMissingMessage(const std::string& volumeName) {
  return Text(u"Том ") + volumeName + Text(u" не найден.");
}

std::string TooManyMembersMessage(const std::string& archiveName, size_t limit) {
  return Text(u"В архиве ") + archiveName + Text(u" больше ") + Grouped(limit) +
         Text(u" элементов; остальные пропущены.");
}

std::string RefusedMembersMessage(const std::vector<std::string>& names) {
  constexpr size_t kNamed = 10;
  std::string text = Text(u"Не распакованы, так как ведут за пределы папки распаковки: ");
  for (size_t i = 0; i < names.size() && i < kNamed; ++i) text += (i ? ", " : "") + names[i];
  if (names.size() > kNamed) text += Text(u" и ещё ") + std::to_string(names.size() - kNamed);
  return text + '.';
}

std::string DiskSpaceMessage(uint64_t needed, uint64_t available) {
  return Text(u"Недостаточно места на диске: нужно ") + SizeText(needed) + Text(u", свободно ") + SizeText(available) +
         '.';
}
