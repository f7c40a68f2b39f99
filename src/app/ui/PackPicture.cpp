#include "app/ui/PackPicture.h"

#include "app/ComprStream.h"

QImage LoadPackPicture(const std::string& fileName) {
  try {
    TComprStream stream(fileName);
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(stream.Data().data()), static_cast<int>(stream.Size()));
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
  } catch (const std::exception&) {
    return {};
  }
}
