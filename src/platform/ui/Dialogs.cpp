#include "platform/ui/Dialogs.h"

#include <QFileDialog>

namespace Dialogs {
namespace {
bool unattended = false;
QStringList recorded;
}  // namespace

void SetUnattended(bool on) { unattended = on; }
bool Unattended() { return unattended; }

QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) {
  if (unattended) {
    recorded << text;
    return defaultButton;
  }
  QMessageBox box(icon, title, text, buttons, parent);
  box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString SaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) {
  if (unattended) {
    recorded << caption;
    return proposed;
  }
  return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

QString ExistingFolder(QWidget* parent, const QString& caption, const QString& proposed) {
  if (unattended) {
    recorded << caption;
    return proposed;
  }
  return QFileDialog::getExistingDirectory(parent, caption, proposed);
}

QStringList TakeRecorded() {
  QStringList texts;
  texts.swap(recorded);
  return texts;
}

}  // namespace Dialogs
