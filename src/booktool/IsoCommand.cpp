// iso DIR OUT: a CD image of a book folder, as authors ship it and as the reader opens it.

#include "app/DiscImage.h"
#include "booktool/Command.h"

#include <QFileInfo>
#include <QString>

namespace {

int Iso(const std::vector<std::string>& args) {
  if (args.size() != 2) throw UsageError("expected 2 arguments");
  const QString folder = QString::fromLocal8Bit(args[0].c_str());
  if (!QFileInfo(folder).isDir()) throw InputError("not a folder: " + args[0]);
  try {
    WriteDiscImage(folder, QString::fromLocal8Bit(args[1].c_str()));
  } catch (const std::runtime_error& e) {
    throw InputError(e.what());
  }
  return 0;
}

const RegisterCommand isoCommand({"iso", "iso DIR OUT.iso", "write the files below DIR as an ISO 9660 CD image", Iso});

}  // namespace
