#pragma once
// The low-level syntax shared by every description file ("Struct.txt", "Dialog.txt", ...):
// lines, integers, tokens, colours, bracketed lists, vertex lists and name resolution.
// Texts are Windows-1251 bytes. Positions in a line count from 1 (a position below 1 reads
// from the start); line indexes from 0.

#include "app/MemoryStream.h"
#include "platform/BookColor.h"
#include "platform/WinNames.h"

#include <QPoint>
#include <cstdint>
#include <string>
#include <vector>

using TLines = std::vector<std::string>;

// A line ends at CR LF, at a CR alone or at an LF alone; false at the end of the stream. A
// last line needs no line end.
bool ReadTextLine(TMemoryStream& stream, std::string& line);

// The first run of '-' and digits at or after pos as a 32-bit integer; -1 when it is none.
int ParseIntAt(const std::string& line, int pos);
// The text from pos up to ';' or the end of the line, trimmed of characters up to 32.
std::string ParseTokenAt(const std::string& line, int pos);
// r,g,b with one-character separators; 0 when no digit follows pos.
TColor ParseColorAt(const std::string& line, int pos);
// The items of the list opened by the first '[' of lines[lineIndex], path-resolved. lineIndex
// ends on the line holding ']', or on the last line when the list is never closed.
std::vector<std::string> ParseBracketList(const TLines& lines, int& lineIndex);
// The same; `unclosed` is set when a '[' opens a list that no ']' closes.
std::vector<std::string> ParseBracketList(const TLines& lines, int& lineIndex, bool& unclosed);
std::string ValueAfterFirstEq(const std::string& text);
std::string ValueAfterLastEq(const std::string& text);

// The vertex list of `ApplyVertexRegion`: x,y items of the list on lines[lineIndex].
// Each item splits at its first ','; blanks around either number are allowed.
// Throws EConvertError for an item that is not two integers, EDataError past 2000 points or
// for a list that never closes.
std::vector<QPoint> ParseVertexList(const TLines& lines, int& lineIndex);

std::string ResolvePath(const std::string& text);
std::string JoinUnderFolder(const std::string& base, const std::string& relative);

bool IndexOfInt(const std::vector<int>& list, int value, int& index);
bool ContainsText(const std::vector<std::string>& list, const std::string& text);

// Windows names; masks with '*' and '?', ASCII letters compared without regard to case.
void FindFiles(const std::string& folder, const std::vector<std::string>& masks, bool recursive,
               std::vector<std::string>& result, bool includeFolders);
