#pragma once
// Message boxes and file dialogs. In an unattended run (Global.Unattended) each is answered
// at once with its default, and its text is kept.

#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace Dialogs {

QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::Ok);
// Empty when the reader cancels; unattended, the proposed name is accepted.
QString SaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter = {});

// The texts of the dialogs answered unattended since the last call, in order.
QStringList TakeRecorded();

// A modal window that closes by itself when its work is done (a progress window): a scripted
// run waits for it to go instead of driving it.
void MarkClosesByItself(QWidget* window);
bool ClosesByItself(const QWidget* window);

}  // namespace Dialogs
