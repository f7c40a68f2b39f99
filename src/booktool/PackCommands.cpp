// pack, ls and cat: writing a resource pack and looking inside one.

#include "app/Errors.h"
#include "app/PackWriter.h"
#include "app/ResourcePack.h"
#include "booktool/Command.h"
#include "platform/Cp1251.h"

#include <QFileInfo>
#include <QString>

#include <cstdio>

namespace {

QString HostArg(const std::string& arg) { return QString::fromLocal8Bit(arg.c_str()); }

void ExpectArgs(const std::vector<std::string>& args, size_t count) {
  if (args.size() != count) throw UsageError("expected " + std::to_string(count) + " arguments");
}

// Pack errors name files in Windows-1251; the terminal wants UTF-8.
void OpenPack(const std::string& arg) {
  try {
    PackOpenHostFile(HostArg(arg));
  } catch (const EFOpenError&) {
    throw InputError("cannot open " + arg);
  } catch (const EDataError& e) {
    throw InputError(e.what());
  }
}

void WriteOut(const std::string& bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
    throw InputError("cannot write to standard output");
}

int Pack(const std::vector<std::string>& args) {
  ExpectArgs(args, 2);
  if (!QFileInfo(HostArg(args[0])).isDir()) throw InputError("not a folder: " + args[0]);
  TPackWriter writer;
  writer.AddHostFolder(HostArg(args[0]));
  writer.WriteFile(HostArg(args[1]));
  return 0;
}

int List(const std::vector<std::string>& args) {
  ExpectArgs(args, 1);
  OpenPack(args[0]);
  std::string out;
  for (const std::string& path : PackListFiles()) out += FromCp1251(path).toStdString() + '\n';
  WriteOut(out);
  return 0;
}

int Cat(const std::vector<std::string>& args) {
  ExpectArgs(args, 2);
  OpenPack(args[0]);
  const int entry = PackFind(ToCp1251(QString::fromUtf8(args[1])));
  if (entry < 0) throw InputError("no file " + args[1] + " in " + args[0]);
  TMemoryStream stream;
  if (PackExtract(entry, stream) != 0) throw InputError("the file " + args[1] + " is damaged in " + args[0]);
  WriteOut(stream.Data());
  return 0;
}

const RegisterCommand packCommand({"pack", "pack DIR OUT", "write the files below DIR as the resource pack OUT", Pack});
const RegisterCommand lsCommand({"ls", "ls PACK", "list the files of a resource pack", List});
const RegisterCommand catCommand({"cat", "cat PACK PATH", "write one file of a resource pack to standard output", Cat});

}  // namespace
