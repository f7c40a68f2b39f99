#include "platform/ui/Dialogs.h"

#include "platform/Globals.h"

#include <QFileDialog>

namespace Dialogs {

namespace {
constexpr char kClosesByItself[] = "skinbookClosesByItself";
}  // namespace

void MarkClosesByItself(QWidget* window) { window->setProperty(kClosesByItself, true); }

bool ClosesByItself(const QWidget* window) { return window->property(kClosesByItself).toBool(); }

QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  if (Global.Unattended) {
    Global.DialogsAnswered << text;
    return defaultButton;
  }
  QMessageBox box(icon, title, text, buttons, parent);
  box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString SaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
  if (Global.Unattended) {
    Global.DialogsAnswered << caption;
    return proposed;
  }
  return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

QStringList TakeRecorded() {
  QStringList texts;
  texts.swap(Global.DialogsAnswered);
  return texts;
}

}  // namespace Dialogs
