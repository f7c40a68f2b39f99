#pragma once
// Process-wide values every subsystem reads. Folder texts are Windows names in
// Windows-1251 and end with '\'.

#include <string>

extern std::string ProgramFolder;  // base of every relative data name
extern std::string DiscRoot;       // value of "<cd>"
extern std::string PackRoot;       // root prefix of the resource pack
extern std::string SystemFolder;
extern std::string WindowsFolder;
extern std::string TempFolder;
extern std::string BookTitle;
extern bool OtherInstance;
extern bool BusyFlag;  // a long operation runs; commands are refused
extern int CurrentScreen;
