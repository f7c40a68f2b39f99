// Codec installation on the platform's stand-ins: files into the system folder, values into
// the per-user registry files and the Windows folder's INI files, for both Windows families.

#include "media/CodecInstall.h"

#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/MediaFiles.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

const std::string kNt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
const std::string kXing = "Software\\Xing\\XingMPEG Player\\";

class CodecInstall : public ::testing::Test {
 protected:
  void SetUp() override {
    Global.WindowsFolder = HostPath::ToWindows(folder_.Dir().MakeFolder("windows") + '/');
    Global.SystemFolder = Global.WindowsFolder + "system32\\";
    sys_ = Global.SystemFolder.substr(0, Global.SystemFolder.size() - 1);
    for (const char* file : {"Ir50_32.dll", "L3codecp.acm", "Xmdrivnt.dll", "Xmdriver.dll", "Xmdrv95.dll", "Xmres.dll",
                             "Xmsound.dll", "Xmvideo.dll"})
      folder_.Write(std::string("Resource/") + file, QByteArray("new ") + file);
  }

  QByteArray Installed(const std::string& file) const {
    QFile f(HostPath::ToHost(Global.SystemFolder + file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
  }
  void PutInstalled(const std::string& file) const {
    folder_.Dir().MakeFolder("windows/system32");
    QFile f(HostPath::ToHost(Global.SystemFolder + file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  static std::optional<std::string> Value(TRegistry::Root root, const std::string& key, const std::string& name) {
    TRegistry registry(root);
    if (!registry.OpenKey(key, false)) return std::nullopt;
    return registry.ReadString(name);
  }
  static bool KeyExists(TRegistry::Root root, const std::string& key) { return TRegistry(root).OpenKey(key, false); }
  QString Ini(const char* name) const { return HostPath::ToHost(Global.WindowsFolder + name); }

  TMediaFolder folder_;
  std::string sys_;  // the system folder without its last '\'
};

TEST_F(CodecInstall, IndeoIsCopiedWhenMissingAndRegisteredEveryTime) {
  // The registration program shipped on the disc: here a script that notes its arguments.
  const QString log = folder_.Dir().Path() + "/registered.txt";
  const QString program =
      folder_.Dir().Write("Resource/Regsvr32.exe", ("#!/bin/sh\necho \"$@\" >> " + log + "\n").toUtf8());
  QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const auto registrations = [&] {
    QFile f(log);
    return f.open(QIODevice::ReadOnly) ? f.readAll().count('\n') : 0;
  };

  InstallIndeoCodec();
  EXPECT_EQ(Installed("Ir50_32.dll"), "new Ir50_32.dll");
  ASSERT_TRUE(ProcessEventsUntil([&] { return registrations() == 1; }, 5000));
  QFile f(log);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll().trimmed().toStdString(), "/s " + Global.SystemFolder + "Ir50_32.dll");

  PutInstalled("Ir50_32.dll");
  InstallIndeoCodec();
  EXPECT_EQ(Installed("Ir50_32.dll"), "old");
  EXPECT_TRUE(ProcessEventsUntil([&] { return registrations() == 2; }, 5000));
}

TEST_F(CodecInstall, Mp3CodecOnNtGoesIntoTheRegistryAndKeepsAnInstalledCopy) {
  PutInstalled("L3codecp.acm");
  InstallMp3Codec(true);
  EXPECT_EQ(Installed("L3codecp.acm"), "old");
  EXPECT_EQ(Value(TRegistry::Root::ClassesRoot, "CLSID\\{7D8EA000-731E-11d0-AC50-00AA00BF35C4}\\InProcServer32", ""),
            sys_ + "\\l3codecp.acm");
  EXPECT_EQ(Value(TRegistry::Root::LocalMachine, kNt + "drivers.desc", "l3codecp.acm"),
            "Fraunhofer IIS MPEG Layer-3 Codec");
  EXPECT_EQ(Value(TRegistry::Root::LocalMachine, kNt + "Drivers32", "msacm.l3codec"), "l3codecp.acm");
  EXPECT_FALSE(QFile::exists(Ini("System.ini")));
}

TEST_F(CodecInstall, Mp3CodecOnWindows95GoesIntoSystemIni) {
  InstallMp3Codec(false);
  EXPECT_EQ(Installed("L3codecp.acm"), "new L3codecp.acm");
  EXPECT_EQ(IniFile::ReadString(Ini("System.ini"), "drivers32", "msacm.l3codec"), "l3codecp.acm");
  EXPECT_FALSE(KeyExists(TRegistry::Root::LocalMachine, kNt + "Drivers32"));
  EXPECT_FALSE(KeyExists(TRegistry::Root::LocalMachine, kNt + "drivers.desc"));
}

TEST_F(CodecInstall, MpegDriverOnNtReplacesItsFilesAndTouchesNoIniFile) {
  PutInstalled("Xmvideo.dll");
  InstallMpegDriver(true);
  EXPECT_EQ(Installed("Xmdriver.dll"), "new Xmdrivnt.dll");
  EXPECT_EQ(Installed("Xmvideo.dll"), "new Xmvideo.dll");
  EXPECT_EQ(Installed("Xmres.dll"), "new Xmres.dll");
  EXPECT_EQ(Installed("Xmsound.dll"), "new Xmsound.dll");
  EXPECT_EQ(Installed("Xmdrv95.dll"), "(none)");
  EXPECT_FALSE(QFile::exists(Ini("Win.ini")));
  EXPECT_FALSE(QFile::exists(Ini("System.ini")));

  EXPECT_EQ(Value(TRegistry::Root::ClassesRoot, kXing + "XMPDriver", ""), sys_ + "\\xmdriver.dll");
  EXPECT_EQ(Value(TRegistry::Root::ClassesRoot, kXing + "XMPVideo", ""), sys_ + "\\xmvideo.dll");
  EXPECT_FALSE(KeyExists(TRegistry::Root::ClassesRoot, kXing + "XMPDrv95"));
  TRegistry activeMovie(TRegistry::Root::LocalMachine);
  ASSERT_TRUE(activeMovie.OpenKey("SOFTWARE\\Microsoft\\Multimedia\\ActiveMovie", false));
  EXPECT_EQ(activeMovie.ReadBinary("CheckExtensions"), std::string(4, '\0'));
  EXPECT_EQ(activeMovie.ReadInteger("CheckExtensions"), std::nullopt);
  for (const char* extension : {"dat", "mpv", "mpg", "mpa", "mp3", "mp2", "vbs", "mpeg", "m1v", "mpe"})
    EXPECT_EQ(Value(TRegistry::Root::LocalMachine, kNt + "MCI Extensions", extension), "MpegVideo") << extension;
  const std::string driver = sys_ + "\\xmdriver.dll";
  EXPECT_EQ(Value(TRegistry::Root::LocalMachine, kNt + "drivers.desc", driver), "(MCI) XingMPEG Driver");
  EXPECT_EQ(Value(TRegistry::Root::LocalMachine, kNt + "MCI32", "MpegVideo"), driver);
  EXPECT_EQ(Value(TRegistry::Root::LocalMachine, kNt + "MCI32", "ReelMagic"), driver);
}

TEST_F(CodecInstall, MpegDriverOnWindows95GoesIntoTheIniFilesAndNoNtKey) {
  InstallMpegDriver(false);
  EXPECT_EQ(Installed("Xmdriver.dll"), "new Xmdriver.dll");
  EXPECT_EQ(Installed("Xmdrv95.dll"), "new Xmdrv95.dll");
  for (const char* extension : {"dat", "vbs", "mpg", "mpv", "mpa", "mp2", "mpeg", "m1v", "mpe", "mp3"})
    EXPECT_EQ(IniFile::ReadString(Ini("Win.ini"), "mci extensions", extension), "MpegVideo") << extension;
  for (const char* device : {"ReelMagic", "MpegVideo"})
    EXPECT_EQ(IniFile::ReadString(Ini("System.ini"), "mci", device), sys_ + "\\xmdrv95.dll") << device;
  EXPECT_EQ(Value(TRegistry::Root::ClassesRoot, kXing + "XMPDrv95", ""), sys_ + "\\xmdrv95.dll");
  for (const char* key : {"MCI Extensions", "drivers.desc", "MCI32"})
    EXPECT_FALSE(KeyExists(TRegistry::Root::LocalMachine, kNt + key)) << key;
}

}  // namespace
