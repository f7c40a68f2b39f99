#pragma once
// Every value the whole process shares lives in `Global` and is written `Global.Name` where it
// is used, so that a reader sees at once that the value is shared, and a test can save and put
// back all of it in one step. Modules keep nothing else across calls but caches (folder
// listings), which they refresh when the values here change.

#include <QSize>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <string>

class QPrinter;    // the printer the process prints on
struct TOpenPack;  // the resource pack's open file and directory
class TWindowBus;  // the windows of the program's processes and the messages between them

// The reader's settings in memory, read from the book's settings at the build. The settings
// dialog changes them; the music commands switch BGSound (the music is on).
struct TReaderOptions {
  bool Clip = true;       // the start clip plays
  bool Wav = true;        // buttons click
  bool BGSound = true;    // background music
  bool Animation = true;  // kept for the reader; nothing animates differently
  bool Hint = true;       // tooltips of the dialog and the about window
  bool RunSlideShow = false;
  int SlideShowTime = 5;  // seconds a slide shows
  int ImageSequence = 0;  // 0 forward, 1 backward, else random
  int SizeInterface = 0;  // 0 automatic, 1 the skin's size, 2 "1024x768", 3 free
};

struct TGlobals {
  // Folders are Windows names in Windows-1251, ending in '\'.
  std::string ProgramFolder;  // base of every relative data name
  std::string DiscRoot;       // value of "<cd>"
  std::string PackRoot;       // root prefix of the resource pack
  std::string SystemFolder;
  std::string WindowsFolder;
  std::string TempFolder;
  std::string BookTitle;
  bool HasParams = false;  // the process was started with arguments (a secondary role)
  bool OtherInstance = false;
  bool BusyFlag = false;  // a long operation runs; commands are refused
  int CurrentScreen = 0;
  TReaderOptions Options;
  // The factor the process's skinned windows are drawn at, fixed before the first window
  // (1: the skin's own pixels); ScaleForced: --scale chose it, and the other processes the
  // program starts are given it.
  double InterfaceScale = 1;
  bool ScaleForced = false;

  // The resource pack: none is open when null. PackPrefix is PackRoot as pack names spell it.
  std::shared_ptr<TOpenPack> Pack;
  std::string PackPrefix;

  QString DiscRootHost;    // the host folder of drive d:; set through HostPath::SetDiscRoot
  QString SettingsFolder;  // where the registry's files are kept; empty: the user's config folder
  // Nobody can answer dialogs (scripted and screenshot runs): each is answered at once with
  // its default, and its text is kept in DialogsAnswered.
  bool Unattended = false;
  QStringList DialogsAnswered;

  // The text search: letter case counts ("caseon", "caseoff"); the page a walk through the
  // book began on, empty when no walk is under way.
  bool CaseSensitive = false;
  std::string SearchStartPage;

  std::string LastSaveFolder;  // where the reader last saved a linked zip file
  // Files held only in the pack that links handed to the desktop this run: lower-cased name
  // in the pack -> the copy in TempFolder.
  std::map<std::string, std::string> DesktopCopies;
  QSize LastPictureSize;  // of the picture the HTML engine loaded last

  // Printing: the printer the process prints on, made on first use (its orientation stays
  // for the rest of the process); NoPdfPrinter leaves out the built-in "PDF" printer; PrintTo
  // is where an unattended run writes its PDF (empty: the proposed name).
  std::shared_ptr<QPrinter> Printer;
  bool NoPdfPrinter = false;
  QString PrintTo;

  // Other processes of the program. ProgramFile is the program started for the other roles
  // (empty: this program's own file); Bus is made on first use (WindowBus()).
  QString ProgramFile;
  std::shared_ptr<TWindowBus> Bus;
  bool ThesaurusRole = false;
  // The answer of a picture window to the picture query.
  bool PictureAnswerReceived = false;
  bool PictureAnswerYes = false;
};

extern TGlobals Global;
