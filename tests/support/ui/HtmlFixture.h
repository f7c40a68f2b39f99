#pragma once
// Pages written to a temporary book folder that is drive d:, and helpers to look at viewers.

#include "html/HTMLViewer.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QPoint>
#include <QString>
#include <string>

class HtmlFixture : public ::testing::Test {
 protected:
  HtmlFixture();
  ~HtmlFixture() override;
  // Writes a page (bytes as they are) and returns its Windows name.
  std::string Write(const QString& relative, const QByteArray& bytes) const;
  // The same in UTF-8 from text.
  std::string WriteText(const QString& relative, const QString& text) const;

  TSavedGlobals saved_;
  TempDir dir_;
};

// Where `text` is drawn in the viewer's viewport (the middle of its first letter).
QPoint PointOfText(THTMLViewer* viewer, const QString& text);
// Clicks `text` of the viewer with real mouse events on its viewport.
void ClickText(THTMLViewer* viewer, const QString& text);
void ProcessEvents();
