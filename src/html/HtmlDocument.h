#pragma once
// The rich-text document of a viewer, one for all the pages it shows (a new document would be
// laid out twice). Pictures and style sheets are read through the resource pack lookup,
// relative to the page's folder, once per page.

#include <QImage>
#include <QTextDocument>
#include <functional>
#include <optional>
#include <string>

class THtmlDocument : public QTextDocument {
  Q_OBJECT

 public:
  explicit THtmlDocument(QObject* parent);
  // Empties the document and forgets the pictures read for the page before.
  void Reset(const std::string& baseFile, bool viewImages);

  // Pictures named like this are drawn by the viewer itself (form controls): a blank is lent.
  static bool IsPlaceholder(const QString& name);
  // The page bytes of a file, read through the pack lookup. Throws EHtmlLoadError.
  static std::string ReadFile(const std::string& name);
  // The bytes of a picture or style sheet the page `baseFile` names; none for addresses and
  // files the book cannot read.
  static std::optional<std::string> ReadLinked(const std::string& baseFile, const QString& name);

 protected:
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  std::string baseFile_;
  bool viewImages_ = true;
};
