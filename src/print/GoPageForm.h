#pragma once
// The go-to-page dialog: a page number between 1 and the caller's maximum. Enter in the
// number acts as "OK", Esc closes the dialog.

#include <QDialog>

class QPushButton;
class QSpinBox;

class TGoPageForm : public QDialog {
  Q_OBJECT

 public:
  explicit TGoPageForm(QWidget* parent = nullptr);

  QSpinBox* PageNum = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
