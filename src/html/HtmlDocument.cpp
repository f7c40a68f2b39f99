#include "html/HtmlDocument.h"

#include "app/ComprStream.h"
#include "app/ResourcePack.h"
#include "html/HTMLViewer.h"
#include "html/HtmlNames.h"
#include "html/PagePreparser.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"

#include <QUrl>

namespace {

QImage Blank() {
  QImage image(1, 1, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

THtmlDocument::THtmlDocument(QObject* parent) : QTextDocument(parent) { setUndoRedoEnabled(false); }

void THtmlDocument::Reset(const std::string& baseFile, bool viewImages) {
  clear();
  baseFile_ = baseFile;
  viewImages_ = viewImages;
}

bool THtmlDocument::IsPlaceholder(const QString& name) { return PlaceholderControl(name) >= 0; }

std::string THtmlDocument::ReadFile(const std::string& name) {
  const std::string file = WithoutAnchor(name);
  if (file.empty() || !FileOrPackExists(file)) throw EHtmlLoadError("Can't locate file: " + Cp1251ToUtf8(name));
  try {
    TComprStream stream(file);
    return stream.Data();
  } catch (const std::exception&) {
    throw EHtmlLoadError("Can't locate file: " + Cp1251ToUtf8(name));
  }
}

std::optional<std::string> THtmlDocument::ReadLinked(const std::string& baseFile, const QString& name) {
  const std::string file = WithoutAnchor(ExpandHtmlName(baseFile, ToCp1251(name)));
  if (file.empty() || HasUrlScheme(file) || !FileOrPackExists(file)) return std::nullopt;
  try {
    return TComprStream(file).Data();
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

QVariant THtmlDocument::loadResource(int type, const QUrl& name) {
  QString text = name.toString();
  if (type == QTextDocument::ImageResource && (IsPlaceholder(text) || !viewImages_)) return Blank();
  if (type != QTextDocument::ImageResource && type != QTextDocument::StyleSheetResource) return {};
  int mapped = -1;
  DecodeMappedImage(text, mapped, text);
  QVariant resource;
  const auto bytes = ReadLinked(baseFile_, text);
  if (type == QTextDocument::StyleSheetResource) {
    if (bytes) resource = FromCp1251(*bytes);
  } else {
    QImage image;
    if (bytes && image.loadFromData(QByteArrayView(bytes->data(), static_cast<qsizetype>(bytes->size()))))
      Global.LastPictureSize = image.size();
    else
      image = Blank();
    resource = image;
  }
  // Read once per page: the layout asks for a picture each time it is drawn.
  if (resource.isValid()) addResource(type, name, resource);
  return resource;
}
