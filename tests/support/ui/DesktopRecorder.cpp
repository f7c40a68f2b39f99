#include "support/ui/DesktopRecorder.h"

#include <QDesktopServices>

TDesktopRecorder::TDesktopRecorder() {
  for (const char* scheme : {"file", "http", "https", "mailto"}) QDesktopServices::setUrlHandler(scheme, this, "Open");
}

TDesktopRecorder::~TDesktopRecorder() {
  for (const char* scheme : {"file", "http", "https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
}

void TDesktopRecorder::Open(const QUrl& url) { opened.push_back(url); }
