#include "app/Globals.h"

std::string ProgramFolder;
std::string DiscRoot;
std::string PackRoot;
std::string SystemFolder;
std::string WindowsFolder;
std::string TempFolder;
std::string BookTitle;
bool OtherInstance = false;
bool BusyFlag = false;
int CurrentScreen = 0;
