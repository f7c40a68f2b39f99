#include "media/CodecInstall.h"

#include "app/FileCopy.h"
#include "app/Log.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/ui/Shell.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace {

const std::string kNtKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";

// The platform's answers for the system and Windows folders, without the trailing '\'.
std::string WithoutBackslash(std::string folder) {
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

std::string Resource(const std::string& file) { return Global.ProgramFolder + "Resource\\" + file; }

// Values written into one key, opened from its root (created when absent) and closed after.
// A key or value that cannot be written ends the installation.
void WriteKey(TRegistry::Root root, const std::string& key,
              const std::vector<std::pair<std::string, std::string>>& values) {
  TRegistry registry(root);
  if (!registry.OpenKey(key, true)) throw std::runtime_error("cannot open the key " + key);
  for (const auto& [name, value] : values)
    if (!registry.WriteString(name, value)) throw std::runtime_error("cannot write to the key " + key);
}

void WriteIni(const std::string& file, const std::string& section, const std::string& key, const std::string& value) {
  if (!IniFile::WriteString(HostPath::ToHost(file), section, key, value))
    throw std::runtime_error("cannot write " + file);
}

}  // namespace

void InstallIndeoCodec() {
  const std::string installed = Global.SystemFolder + "Ir50_32.dll";
  if (!HostPath::FileExists(installed)) FileCopy::CopyReplacing(Resource("Ir50_32.dll"), installed);
  Shell::Open(Resource("Regsvr32.exe"), "/s " + installed);
}

void InstallMp3Codec(bool ntFamily) {
  const std::string sys = WithoutBackslash(Global.SystemFolder), win = WithoutBackslash(Global.WindowsFolder);
  try {
    if (!HostPath::FileExists(sys + "\\L3codecp.acm"))
      FileCopy::CopyReplacing(Resource("L3codecp.acm"), sys + "\\L3codecp.acm");
    WriteKey(TRegistry::Root::ClassesRoot, "CLSID\\{7D8EA000-731E-11d0-AC50-00AA00BF35C4}\\InProcServer32",
             {{"", sys + "\\l3codecp.acm"}});
    if (ntFamily) {
      WriteKey(TRegistry::Root::LocalMachine, kNtKey + "drivers.desc",
               {{"l3codecp.acm", "Fraunhofer IIS MPEG Layer-3 Codec"}});
      WriteKey(TRegistry::Root::LocalMachine, kNtKey + "Drivers32", {{"msacm.l3codec", "l3codecp.acm"}});
    } else {
      WriteIni(win + "\\System.ini", "drivers32", "msacm.l3codec", "l3codecp.acm");
    }
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "MPEG audio codec:" << e.what();
  }
}

void InstallMpegDriver(bool ntFamily) {
  const std::string sys = WithoutBackslash(Global.SystemFolder), win = WithoutBackslash(Global.WindowsFolder);
  try {
    struct TCopy {
      const char* source;
      const char* target;
      bool wanted;
    };
    const TCopy copies[] = {
        {"Xmdrivnt.dll", "\\Xmdriver.dll", ntFamily}, {"Xmdriver.dll", "\\Xmdriver.dll", !ntFamily},
        {"Xmdrv95.dll", "\\Xmdrv95.dll", !ntFamily},  {"Xmres.dll", "\\Xmres.dll", true},
        {"Xmsound.dll", "\\Xmsound.dll", true},       {"Xmvideo.dll", "\\Xmvideo.dll", true},
    };
    for (const TCopy& copy : copies)
      if (copy.wanted) FileCopy::CopyReplacing(Resource(copy.source), sys + copy.target);

    const char* extensions95[] = {"dat", "vbs", "mpg", "mpv", "mpa", "mp2", "mpeg", "m1v", "mpe", "mp3"};
    const std::string driver95 = SystemInfo::ShortPathName(sys + "\\xmdrv95.dll");
    if (!ntFamily) {
      for (const char* extension : extensions95) WriteIni(win + "\\Win.ini", "mci extensions", extension, "MpegVideo");
      for (const char* device : {"ReelMagic", "MpegVideo"}) WriteIni(win + "\\System.ini", "mci", device, driver95);
    }

    const std::string xing = "Software\\Xing\\XingMPEG Player\\";
    WriteKey(TRegistry::Root::ClassesRoot, xing + "XMPDriver", {{"", sys + "\\xmdriver.dll"}});
    if (!ntFamily) WriteKey(TRegistry::Root::ClassesRoot, xing + "XMPDrv95", {{"", sys + "\\xmdrv95.dll"}});
    WriteKey(TRegistry::Root::ClassesRoot, xing + "XMPResource", {{"", sys + "\\xmres.dll"}});
    WriteKey(TRegistry::Root::ClassesRoot, xing + "XMPSound32", {{"", sys + "\\xmsound.dll"}});
    WriteKey(TRegistry::Root::ClassesRoot, xing + "XMPVideo", {{"", sys + "\\xmvideo.dll"}});

    {
      TRegistry registry(TRegistry::Root::LocalMachine);
      if (!registry.OpenKey("SOFTWARE\\Microsoft\\Multimedia\\ActiveMovie", true) ||
          !registry.WriteBinary("CheckExtensions", std::string(4, '\0')))
        throw std::runtime_error("cannot write CheckExtensions");
    }

    if (ntFamily) {
      std::vector<std::pair<std::string, std::string>> extensions;
      for (const char* extension : {"dat", "mpv", "mpg", "mpa", "mp3", "mp2", "vbs", "mpeg", "m1v", "mpe"})
        extensions.emplace_back(extension, "MpegVideo");
      WriteKey(TRegistry::Root::LocalMachine, kNtKey + "MCI Extensions", extensions);
      const std::string driver = SystemInfo::ShortPathName(sys + "\\xmdriver.dll");
      WriteKey(TRegistry::Root::LocalMachine, kNtKey + "drivers.desc", {{driver, "(MCI) XingMPEG Driver"}});
      WriteKey(TRegistry::Root::LocalMachine, kNtKey + "MCI32", {{"ReelMagic", driver}, {"MpegVideo", driver}});
    }
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "MPEG video driver:" << e.what();
  }
}
