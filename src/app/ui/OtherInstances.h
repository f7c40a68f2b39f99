#pragma once
// Working with the program's other processes: starting one in another role for the same
// book, sending a window the instance record, and the picture windows' handshake that keeps
// one window per picture.

#include "app/InstanceMessage.h"
#include "platform/ui/WindowBus.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace OtherInstances {

// Captions by which the processes find one another.
inline const QString kPictureCaption = QStringLiteral("Увеличенная картинка");
inline const QString kThesaurusCaption = QStringLiteral("Тезаурус");
inline const QString kDiagramCaption = QStringLiteral("Rudovozozove");
inline const QStringList kHelpCaptions = {QStringLiteral("Help System: Ormantel"), QStringLiteral("Справка: Ormantel"),
                                          QStringLiteral("Help Topics: Ormantel"), QStringLiteral("Ormantel")};

// Starts the program (Global.ProgramFile, else this program's file) for this book: its folder
// and disc go along as --book and --disc, then `arguments`. False when it cannot start.
bool Start(const QStringList& arguments);

// The visible windows with this caption (letter case ignored) whose processes serve the same
// book as this one, most recently activated first.
std::vector<TBusWindow> BookWindows(const QString& caption);

// WM_COPYDATA with `message` to `window`; `sender`'s handle travels as WParam for the
// answer. Nothing when the window did not take it in `timeoutMs`.
std::optional<qint64> SendCopyDataToWindow(TWindowHandle window, const TInstanceMessage& message, QWidget* sender,
                                           int timeoutMs = TWindowBus::kSendTimeoutMs);

enum class TPictureWindow { Raised, Started, NotStarted };

// Shows `file` (a full Windows name, with its anchor) in a picture window: each picture
// window of the book is asked whether it shows that very file, at most 500 ms each; the
// first that says yes comes forward. Otherwise a new process is started with the file and
// `extraArguments`.
TPictureWindow ShowInPictureWindow(QWidget* sender, const std::string& file, const QStringList& extraArguments = {});

// The thesaurus window shows `startPage` (a full Windows name, perhaps with an anchor): a
// visible one of the book is restored, brought forward and sent the page; else, when the
// page's file exists, the program is started with the page and "/t".
void OpenThesaurusWindow(QWidget* sender, const std::string& startPage);

}  // namespace OtherInstances
