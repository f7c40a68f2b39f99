#pragma once
// Scripted runs: a text file of commands, one per line, that drive the program as a reader
// would (for automated checks and demonstrations).

#include <QPoint>
#include <QString>
#include <QStringList>
#include <Qt>
#include <vector>

struct TScriptLine {
  enum class Kind {
    Command,
    Move,
    Press,
    Release,
    Click,
    Key,
    Wait,
    Shot,
    Dump,
    Close,
    Link,
    Find,
    Drop,
    Tree,
    Item,
    AwaitFile,
    AwaitWindows,
    AwaitState,
    Field,
    Preview,
    Zoom,
    Option,
    Button
  };
  Kind kind = Kind::Wait;
  int lineNumber = 0;               // from 1, in the file
  QString text;                     // Command: the command text; Shot, Dump, Drop, AwaitFile: the file
                                    // name; Link: the URL; Find: the text to find; Tree, AwaitWindows:
                                    // the caption; Field: the text typed; Preview, Button: the button's
                                    // name; AwaitState, Option: the value
  QString target;                   // Link: the target frame, empty when none; AwaitState: the path;
                                    // Option: the control's name
  bool matchCase = false;           // Find
  QPoint at;                        // Move, Press, Release, Click
  bool shift = false;               // Press, Release, Click
  int key = 0;                      // Key
  Qt::KeyboardModifiers modifiers;  // Key
  int milliseconds = 0;             // Wait
  int number = 0;                   // Tree: 1 for tree A, 2 for tree B; Item: the popup list's type;
                                    // AwaitWindows: how many; Field: the search field's number; Zoom: the
                                    // zoom box's entry
  int item = 0;                     // Item: the item, from 1
};

struct TScript {
  std::vector<TScriptLine> lines;
  QString error;  // "line N: ..." for the first line that cannot run
};

// Blank lines and lines starting with '#' are skipped.
TScript ParseScript(const QString& text);

// "Esc", "F1", "Enter", "Shift+Home", "Ctrl+F", "Shift+Ctrl+Z", "Ctrl+I"; false when unknown.
bool ParseKeyName(const QString& keyName, int& key, Qt::KeyboardModifiers& modifiers);
