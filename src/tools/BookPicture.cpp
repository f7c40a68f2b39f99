#include "tools/BookPicture.h"

#include "app/ComprStream.h"
#include "app/Log.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"

QImage LoadBookPicture(const std::string& name) {
  try {
    TComprStream stream(Global.ProgramFolder + name);
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(stream.Data().data()), static_cast<int>(stream.Size()));
    return image.convertToFormat(QImage::Format_RGB32);
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "picture" << FromCp1251(name) << e.what();
    return {};
  }
}
