#pragma once
// The print dialog of the preview: the printer (the system's and the built-in "PDF") and the
// pages, all or a range from page 1. It offers no printing to a file: "PDF" asks where.

#include <QDialog>

class QComboBox;
class QRadioButton;
class QSpinBox;

struct TPrintChoice {
  QString printer;
  bool allPages = true;
  int fromPage = 1;
  int toPage = 1;
};

class TPrintDialog : public QDialog {
  Q_OBJECT

 public:
  TPrintDialog(QWidget* parent, int maxPage);
  // Unattended the default (every page on the current printer) is taken at once.
  bool Execute(TPrintChoice& choice);

  QComboBox* PrinterBox = nullptr;
  QRadioButton* AllPages = nullptr;
  QRadioButton* PageRange = nullptr;
  QSpinBox* FromPage = nullptr;
  QSpinBox* ToPage = nullptr;

 private:
  int maxPage_;
};
