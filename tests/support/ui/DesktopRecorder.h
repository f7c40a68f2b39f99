#pragma once
// Takes what the program hands to the desktop ("open" a file) while it lives, so that tests
// see it and nothing is started.

#include <QObject>
#include <QUrl>
#include <vector>

class TDesktopRecorder : public QObject {
  Q_OBJECT

 public:
  TDesktopRecorder();
  ~TDesktopRecorder() override;
  std::vector<QUrl> opened;

 public Q_SLOTS:
  void Open(const QUrl& url);
};
