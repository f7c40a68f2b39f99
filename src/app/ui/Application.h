#pragma once
// The application object: whatever exception reaches the event loop is discarded (and logged
// to the "skinbook.errors" category, which --verbose turns on).

#include <QApplication>

class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
