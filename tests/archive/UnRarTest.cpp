#include "archive/UnRar.h"

#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "support/RarWriter.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <archive.h>
#include <archive_entry.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

class TFakeArchiveHost : public TArchiveHost {
 public:
  void ShowArchiveMessage(const std::string& text) override { messages << FromCp1251(text); }
  bool IsArchiveMode() const override { return archiveMode; }
  void SetArchiveMode(bool on) override { archiveMode = on; }
  void ShowFile(const std::string& file) override { shown.push_back(file); }
  std::optional<std::string> InstallFolder() const override { return installFolder; }
  void SetBusy(bool on) override { busy.push_back(on); }
  void ShowProgress(int percent) override { progress.push_back(percent); }
  void EndProgress() override { progress.push_back(-1); }

  QStringList messages;
  bool archiveMode = false;
  std::vector<std::string> shown;
  std::optional<std::string> installFolder;
  std::vector<bool> busy;
  std::vector<int> progress;
};

QByteArray Read(const QString& hostFile) {
  QFile file(hostFile);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Page(const QString& hostFile) {
  const QByteArray bytes = Read(hostFile);
  return FromCp1251(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

// Every file below `folder`, relative, sorted.
QStringList FilesBelow(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(folder).relativeFilePath(it.next());
  files.sort();
  return files;
}

// Archives in the formats libarchive writes itself.
QByteArray WrittenByLibarchive(int format, const std::vector<std::pair<QString, QByteArray>>& members) {
  QByteArray buffer(1 << 20, '\0');
  size_t used = 0;
  struct archive* a = archive_write_new();
  archive_write_set_format(a, format);
  archive_write_open_memory(a, buffer.data(), static_cast<size_t>(buffer.size()), &used);
  for (const auto& [name, data] : members) {
    struct archive_entry* entry = archive_entry_new();
    archive_entry_set_pathname_utf8(entry, name.toUtf8().constData());
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_entry_set_perm(entry, 0644);
    archive_entry_set_size(entry, data.size());
    archive_entry_set_mtime(entry, 1084789920, 0);
    archive_write_header(a, entry);
    archive_write_data(a, data.constData(), static_cast<size_t>(data.size()));
    archive_entry_free(entry);
  }
  archive_write_close(a);
  archive_write_free(a);
  return buffer.left(static_cast<qsizetype>(used));
}

const QString kTables = QStringLiteral("Таблицы");

std::vector<TRarMember> ToolsMembers() {
  TRarMember oem{kTables + "\\шины.txt", "tyres"};
  oem.naming = TRarMember::Naming::Oem;
  return {{kTables, {}, true},
          {kTables + "\\масла.txt", QByteArray(2500, 'o')},
          oem,
          {"readme.txt", QByteArray(999, 'r')},
          {"big.bin", QByteArray(1000, 'b')}};
}

class UnRarTest : public ::testing::Test {
 protected:
  void SetUp() override { Global.TempFolder = Win(dir_.MakeFolder("tmp") + "/"); }

  static std::string Win(const QString& host) { return HostPath::ToWindows(host); }
  std::string Archive(const QString& name, const QByteArray& bytes) { return Win(dir_.Write("disc/" + name, bytes)); }
  QString Listing(const TUnRar& unrar) const { return HostPath::ToHost(unrar.ListingFolder()); }
  QString Install() const { return dir_.Path() + "/install"; }

  TSavedGlobals saved_;
  TempDir dir_;
  TFakeArchiveHost host_;
};

TEST_F(UnRarTest, ListsFoldersAndFilesWithNamesSizesAndTimes) {
  for (const QByteArray& bytes : {EncodeRar4(ToolsMembers()), EncodeRar5(ToolsMembers())}) {
    TUnRar unrar(host_);
    const std::string archive = Archive("tools.rar", bytes);
    unrar.ShowListing(archive, "d:\\man\\files.htm");
    EXPECT_TRUE(host_.messages.isEmpty()) << host_.messages.join('\n').toStdString();
    const std::string frame = unrar.ListingFolder() + "as_tools.rar.htm";
    ASSERT_EQ(host_.shown, std::vector<std::string>{frame});
    host_.shown.clear();
    EXPECT_EQ(unrar.ListingFolder(), Global.TempFolder + "as_" + MangledName(archive) + "\\");
    EXPECT_EQ(unrar.MainPages(), std::vector<std::string>{frame});
    EXPECT_EQ(unrar.SourceDocuments(), std::vector<std::string>{"d:\\man\\files.htm"});

    const QStringList pages = QDir(Listing(unrar)).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(pages.size(), 4) << pages.join(' ').toStdString();
    const QString rootPage = pages[0];  // as_0<time>.htm sorts before as_1<time>.htm
    EXPECT_TRUE(Page(Listing(unrar) + "as_tools.rar.htm").contains("<frame src=\"" + rootPage + "\" name=\"Bot\">"));
    const QString root = Page(Listing(unrar) + rootPage);
    EXPECT_TRUE(root.contains("<title>Содержимое архива: " + FromCp1251(archive) + "</title>"));
    EXPECT_FALSE(root.contains(">..</a>"));
    EXPECT_TRUE(root.contains("<a href=\"" + pages[1] + "\">" + kTables +
                              "</a></td><td align=\"right\" width=\"25%\"></td> "
                              "<td width=\"25%\">17 май 04 10:32</td>"));
    EXPECT_TRUE(
        root.contains("<a href=\"readme.txt\">readme.txt</a></td><td align=\"right\" width=\"25%\">999 байт</td>"));
    EXPECT_TRUE(root.contains("<a href=\"big.bin\">big.bin</a></td><td align=\"right\" width=\"25%\">1 Кбайт</td>"));
    const QString tables = Page(Listing(unrar) + pages[1]);
    EXPECT_TRUE(tables.contains("<a href=\"" + rootPage + "\">..</a>"));
    EXPECT_TRUE(tables.contains("<a href=\"" + kTables +
                                "\\масла.txt\">масла.txt</a></td><td align=\"right\" "
                                "width=\"25%\">2 Кбайт</td>"));
    EXPECT_TRUE(tables.contains(">шины.txt</a>"));
  }
}

TEST_F(UnRarTest, ZipAnd7zArchivesAreListedToo) {
  const std::vector<std::pair<QString, QByteArray>> members = {{"docs/a.txt", "a"}, {"b.txt", "bb"}};
  TUnRar unrar(host_);
  for (const int format : {ARCHIVE_FORMAT_ZIP, ARCHIVE_FORMAT_7ZIP}) {
    unrar.ShowListing(Archive(QString("f%1.rar").arg(format), WrittenByLibarchive(format, members)), {});
    ASSERT_TRUE(host_.messages.isEmpty()) << host_.messages.join('\n').toStdString();
    const QStringList pages = QDir(Listing(unrar)).entryList({"as_*"}, QDir::Files, QDir::Name);
    ASSERT_EQ(pages.size(), 4);
    EXPECT_TRUE(Page(Listing(unrar) + pages[1]).contains("<a href=\"docs\\a.txt\">a.txt</a>"));
  }
}

TEST_F(UnRarTest, ASecondOpenInTheRunShowsTheListingWithoutReadingTheArchive) {
  TUnRar unrar(host_);
  const std::string archive = Archive("tools.rar", EncodeRar4(ToolsMembers()));
  unrar.ShowListing(archive, "d:\\a.htm");
  const QStringList pages = FilesBelow(Listing(unrar));
  QFile::remove(HostPath::ToHost(archive));
  unrar.ShowListing(archive, "d:\\b.htm");
  EXPECT_TRUE(host_.messages.isEmpty()) << host_.messages.join('\n').toStdString();
  EXPECT_EQ(host_.shown.size(), 2u);
  EXPECT_EQ(host_.shown[0], host_.shown[1]);
  EXPECT_EQ(FilesBelow(Listing(unrar)), pages);
  EXPECT_EQ(unrar.MainPages().size(), 1u);
  // Either page takes the reader out of archive mode again.
  EXPECT_EQ(unrar.SourceDocuments(), (std::vector<std::string>{"d:\\a.htm", "d:\\b.htm"}));
}

TEST_F(UnRarTest, UnarcTwiceMakesANumberedSubFolder) {
  TUnRar unrar(host_);
  unrar.ShowListing(Archive("tools.rar", EncodeRar4(ToolsMembers())), {});
  host_.installFolder = Win(Install() + "/");
  unrar.ExtractAll(true, false);
  unrar.ExtractAll(true, false);
  EXPECT_TRUE(host_.messages.isEmpty()) << host_.messages.join('\n').toStdString();
  EXPECT_EQ(host_.busy, (std::vector<bool>{true, false, true, false}));
  EXPECT_EQ(QDir(Install()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), (QStringList{"tools.rar", "tools1.rar"}));
  for (const char* folder : {"/tools.rar/", "/tools1.rar/"}) {
    EXPECT_EQ(Read(Install() + folder + "readme.txt"), QByteArray(999, 'r'));
    EXPECT_EQ(Read(Install() + folder + kTables + "/масла.txt"), QByteArray(2500, 'o'));
    EXPECT_EQ(Read(Install() + folder + kTables + "/шины.txt"), "tyres");
  }
}

TEST_F(UnRarTest, WithoutAPathBoxNothingIsExtracted) {
  TUnRar unrar(host_);
  unrar.ShowListing(Archive("tools.rar", EncodeRar4(ToolsMembers())), {});
  unrar.ExtractAll(true, false);
  host_.installFolder = "";
  unrar.ExtractAll(true, false);
  EXPECT_TRUE(host_.busy.empty());
  EXPECT_TRUE(host_.messages.isEmpty());
}

TEST_F(UnRarTest, MembersGoIntoTheWorkingFolderWithTheirPathsInAnyLetterCase) {
  TUnRar unrar(host_);
  unrar.ShowListing(Archive("tools.rar", EncodeRar4({{"Docs\\a.txt", "a"}, {"DOCS\\b.txt", "b"}, {"as_bar.htm", "x"}})),
                    {});
  const QByteArray bar = Read(Listing(unrar) + "as_bar.htm");
  unrar.ExtractAll(false, true);
  EXPECT_EQ(Read(Listing(unrar) + "Docs/a.txt"), "a");
  EXPECT_EQ(Read(Listing(unrar) + "Docs/b.txt"), "b");
  EXPECT_FALSE(QFileInfo::exists(Listing(unrar) + "DOCS"));
  // The listing's own pages are not overwritten by members of the same name.
  EXPECT_EQ(Read(Listing(unrar) + "as_bar.htm"), bar);
  EXPECT_EQ(host_.messages, QStringList{"Не распакованы, так как ведут за пределы папки распаковки: as_bar.htm."});
}

TEST_F(UnRarTest, NamesLeadingOutOfTheFolderAndLinksAreRefusedAndNamed) {
  TRarMember link{"link", "/etc/passwd"};
  link.unixMode = 0120777;
  const std::vector<TRarMember> members = {{"..\\evil1.txt", "1"}, {"docs\\..\\..\\evil2.txt", "2"},
                                           {"c:\\evil3.txt", "3"}, {"d:evil4.txt", "4"},
                                           {"\\evil5.txt", "5"},   link,
                                           {"good.txt", "good"}};
  for (const QByteArray& bytes : {EncodeRar4(members), EncodeRar5(members)}) {
    TempDir place;
    const QString install = place.Path() + "/a/b/install";
    host_.installFolder = Win(install + "/");
    host_.messages.clear();
    TUnRar unrar(host_);
    unrar.ShowListing(Archive("tools.rar", bytes), {});
    unrar.ExtractAll(true, false);
    EXPECT_EQ(FilesBelow(place.Path()), QStringList{"a/b/install/tools.rar/good.txt"});
    ASSERT_EQ(host_.messages.size(), 1);
    for (const char* name : {"evil1.txt", "evil2.txt", "evil3.txt", "evil4.txt", "evil5.txt", "link"})
      EXPECT_TRUE(host_.messages[0].contains(name)) << name << " " << host_.messages[0].toStdString();
  }
}

TEST_F(UnRarTest, LinksAlreadyInTheDestinationAreNotFollowed) {
  TUnRar unrar(host_);
  unrar.ShowListing(Archive("tools.rar", EncodeRar4({{"docs\\x.txt", "x"}, {"readme.txt", "new"}})), {});
  const QString outside = dir_.MakeFolder("outside");
  dir_.Write("outside/readme.txt", "keep");
  ASSERT_TRUE(QFile::link(outside, Listing(unrar) + "docs"));
  ASSERT_TRUE(QFile::link(outside + "/readme.txt", Listing(unrar) + "readme.txt"));
  unrar.ExtractAll(false, true);
  EXPECT_EQ(FilesBelow(outside), QStringList{"readme.txt"});
  EXPECT_EQ(Read(outside + "/readme.txt"), "keep");
  EXPECT_FALSE(QFileInfo(Listing(unrar) + "readme.txt").isSymLink());
  EXPECT_EQ(Read(Listing(unrar) + "readme.txt"), "new");
  EXPECT_EQ(host_.messages, QStringList{"File docs\\x.txt create error"});
}

TEST_F(UnRarTest, TruncatedArchivesAreReported) {
  const QByteArray whole = EncodeRar4({{"a.txt", "aaaa"}, {"b.txt", QByteArray(200, 'b')}, {"c.txt", "cc"}});
  {
    // Cut inside the last header: the listing shows what came before it.
    TUnRar unrar(host_);
    unrar.ShowListing(Archive("cut1.rar", whole.left(whole.size() - 7 - 10)), {});
    EXPECT_EQ(host_.messages, QStringList{"У файла: b.txt испорчен заголовок."});
    ASSERT_EQ(host_.shown.size(), 1u);
    const QStringList pages = QDir(Listing(unrar)).entryList({"as_0*"}, QDir::Files);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(Page(Listing(unrar) + pages[0]).contains(">b.txt</a>"));
  }
  host_.messages.clear();
  {
    // Cut inside b.txt's data: b.txt is not left behind half written.
    TUnRar unrar(host_);
    const qsizetype cut = whole.indexOf(QByteArray(200, 'b')) + 100;
    unrar.ShowListing(Archive("cut2.rar", whole.left(cut)), {});
    host_.messages.clear();
    unrar.ExtractAll(false, true);
    EXPECT_EQ(Read(Listing(unrar) + "a.txt"), "aaaa");
    EXPECT_FALSE(QFileInfo::exists(Listing(unrar) + "b.txt"));
    EXPECT_EQ(host_.messages, QStringList{"У файла b.txt ошика контрольной суммы."});
  }
  host_.messages.clear();
  {
    TUnRar unrar(host_);
    host_.shown.clear();
    unrar.ShowListing(Archive("cut3.rar", whole.left(12)), {});
    EXPECT_EQ(host_.messages.size(), 1);
    EXPECT_TRUE(host_.messages[0].endsWith("cut3.rar: archive header broken")) << host_.messages[0].toStdString();
    EXPECT_TRUE(host_.shown.empty());
  }
}

TEST_F(UnRarTest, AMissingVolumeIsNamed) {
  const QByteArray data = QByteArray("0123456789").repeated(3);
  const std::vector<QByteArray> volumes = EncodeRar4Volumes({{"first.txt", "1"}, {"a.txt", data}}, 12);
  ASSERT_EQ(volumes.size(), 3u);
  const std::string first = Archive("set.part1.rar", volumes[0]);
  Archive("set.part2.rar", volumes[1]);
  const std::string third = Win(dir_.Path() + "/disc/set.part3.rar");
  {
    TUnRar unrar(host_);
    unrar.ShowListing(first, {});
    EXPECT_EQ(host_.messages, QStringList{"Том " + FromCp1251(third) + " не найден."});
    EXPECT_EQ(host_.shown.size(), 1u);
    host_.messages.clear();
    unrar.ExtractAll(false, true);
    EXPECT_EQ(host_.messages, QStringList{"Том " + FromCp1251(third) + " не найден."});
    EXPECT_EQ(Read(Listing(unrar) + "first.txt"), "1");
    EXPECT_FALSE(QFileInfo::exists(Listing(unrar) + "a.txt"));
  }
  host_.messages.clear();
  Archive("set.part3.rar", volumes[2]);
  TUnRar unrar(host_);
  unrar.ShowListing(first, {});
  unrar.ExtractAll(false, true);
  EXPECT_TRUE(host_.messages.isEmpty()) << host_.messages.join('\n').toStdString();
  EXPECT_EQ(Read(Listing(unrar) + "a.txt"), data);
}

TEST_F(UnRarTest, FilesThatAreNoArchiveOrNotThere) {
  TUnRar unrar(host_);
  const std::string text = Archive("notes.rar", "just some text, no archive");
  unrar.ShowListing(text, {});
  const std::string missing = Win(dir_.Path() + "/disc/missing.rar");
  unrar.ShowListing(missing, {});
  EXPECT_EQ(host_.messages, (QStringList{"Файл " + FromCp1251(text) + " не является RAR архивом.",
                                         "Cannot open " + FromCp1251(missing)}));
  EXPECT_TRUE(host_.shown.empty());
  // Asked again, it is read again.
  host_.messages.clear();
  Archive("notes.rar", EncodeRar4({{"a.txt", "a"}}));
  unrar.ShowListing(text, {});
  EXPECT_TRUE(host_.messages.isEmpty());
  EXPECT_EQ(host_.shown.size(), 1u);
}

TEST_F(UnRarTest, TheDiskIsCheckedForRoomBeforeAnythingIsWritten) {
  TUnRar unrar(host_);
  unrar.FreeSpace = [](const QString&) { return int64_t(4000); };
  unrar.ShowListing(Archive("tools.rar", EncodeRar4(ToolsMembers())), {});
  host_.installFolder = Win(Install() + "/");
  unrar.ExtractAll(true, false);
  EXPECT_EQ(host_.messages, QStringList{"Недостаточно места на диске: нужно 5 Кбайт, свободно 4 Кбайт."});
  EXPECT_FALSE(QFileInfo::exists(Install()));
  EXPECT_TRUE(host_.busy.empty());

  // A member claiming far more than the archive holds is caught by the same check.
  host_.messages.clear();
  TRarMember huge{"huge.bin", "tiny"};
  huge.claimedSize = uint64_t(1) << 50;
  unrar.FreeSpace = [](const QString& folder) { return int64_t(QStorageInfo(folder).bytesAvailable()); };
  unrar.ShowListing(Archive("huge.rar", EncodeRar4({huge})), {});
  unrar.ExtractAll(true, false);
  ASSERT_EQ(host_.messages.size(), 1);
  EXPECT_TRUE(
      host_.messages[0].startsWith("Недостаточно места на диске: нужно 1\u00A0125\u00A0899\u00A0906\u00A0843 Кбайт"))
      << host_.messages[0].toStdString();
  EXPECT_FALSE(QFileInfo::exists(Install() + "/huge.rar"));
}

TEST_F(UnRarTest, MembersThatDoNotMatchTheirSizeAreNotKept) {
  TRarMember shorter{"shorter.bin", "only five"};
  shorter.claimedSize = 3;
  TRarMember longer{"longer.bin", "five"};
  longer.claimedSize = 5000;
  TUnRar unrar(host_);
  unrar.ShowListing(Archive("sizes.rar", EncodeRar4({shorter, longer, {"ok.txt", "ok"}})), {});
  unrar.ExtractAll(false, true);
  EXPECT_FALSE(QFileInfo::exists(Listing(unrar) + "shorter.bin"));
  EXPECT_FALSE(QFileInfo::exists(Listing(unrar) + "longer.bin"));
  EXPECT_EQ(Read(Listing(unrar) + "ok.txt"), "ok");
  EXPECT_EQ(host_.messages, QStringList{"У файла shorter.bin ошика контрольной суммы.\n"
                                        "У файла longer.bin ошика контрольной суммы."});
}

TEST_F(UnRarTest, ALargeExtractionShowsItsProgress) {
  TUnRar unrar(host_);
  unrar.ShowListing(
      Archive("big.rar", EncodeRar4({{"a.bin", QByteArray(6 << 20, 'a')}, {"b.bin", QByteArray(3 << 20, 'b')}})), {});
  unrar.ExtractAll(false, true);
  ASSERT_GE(host_.progress.size(), 3u);
  EXPECT_EQ(host_.progress.back(), -1);
  EXPECT_EQ(host_.progress[host_.progress.size() - 2], 100);
  EXPECT_TRUE(std::is_sorted(host_.progress.begin(), host_.progress.end() - 1));
  EXPECT_EQ(QFileInfo(Listing(unrar) + "b.bin").size(), 3 << 20);
}

TEST_F(UnRarTest, AMillionMembersAreCutShort) {
  std::vector<TRarMember> members;
  for (int i = 0; i < 8; ++i) members.push_back({QString("f%1.txt").arg(i), "x"});
  TUnRar unrar(host_);
  unrar.MaxMembers = 5;
  unrar.ShowListing(Archive("many.rar", EncodeRar4(members)), {});
  unrar.ExtractAll(false, true);
  EXPECT_EQ(host_.messages,
            (QStringList{"В архиве " + FromCp1251(unrar.ArchiveName()) + " больше 5 элементов; остальные пропущены.",
                         "В архиве " + FromCp1251(unrar.ArchiveName()) + " больше 5 элементов; остальные пропущены."}));
  EXPECT_EQ(QDir(Listing(unrar)).entryList({"f*"}, QDir::Files).size(), 5);
}

TEST_F(UnRarTest, ArchiveModeFollowsTheListingsAndThePagesTheyWereOpenedFrom) {
  TUnRar unrar(host_);
  const std::string tools = Archive("tools.rar", EncodeRar4(ToolsMembers()));
  const std::string other = Archive("other.rar", EncodeRar4({{"o.txt", "o"}}));
  unrar.ShowListing(tools, "d:\\man\\files.htm");
  const std::string toolsFrame = host_.shown.back();
  unrar.DocumentShown(toolsFrame);
  EXPECT_TRUE(host_.archiveMode);
  unrar.DocumentShown(unrar.ListingFolder() + "readme.txt");  // a member followed from the listing
  EXPECT_TRUE(host_.archiveMode);
  unrar.DocumentShown("D:\\MAN\\FILES.HTM");
  EXPECT_FALSE(host_.archiveMode);
  unrar.DocumentShown("d:\\man\\other.htm");
  EXPECT_FALSE(host_.archiveMode);

  unrar.ShowListing(other, "d:\\man\\other.htm");
  EXPECT_EQ(unrar.ArchiveName(), other);
  // Back on the first listing, its archive is the one a click extracts.
  unrar.DocumentShown(toolsFrame);
  EXPECT_TRUE(host_.archiveMode);
  EXPECT_EQ(unrar.ArchiveName(), tools);
  unrar.ExtractAll(false, true);
  EXPECT_EQ(Read(Listing(unrar) + "readme.txt"), QByteArray(999, 'r'));
}

TEST_F(UnRarTest, WorkingFoldersAreRemovedOnFirstUseAndAtTheEnd) {
  const QString temp = HostPath::ToHost(Global.TempFolder);
  dir_.Write("tmp/as_old/sub/page.htm", "old");
  QFile::setPermissions(temp + "as_old/sub/page.htm", QFile::ReadOwner);
  dir_.Write("tmp/AS_Upper/x", "x");
  dir_.Write("tmp/keep/as_inside", "k");
  dir_.Write("tmp/as_file", "a file, not a folder");
  dir_.Write("elsewhere/precious", "p");
  ASSERT_TRUE(QFile::link(dir_.Path() + "/elsewhere", temp + "as_link"));
  {
    TUnRar unrar(host_);
    EXPECT_EQ(FilesBelow(temp), (QStringList{"as_file", "keep/as_inside"}));
    EXPECT_EQ(Read(dir_.Path() + "/elsewhere/precious"), "p");
    unrar.ShowListing(Archive("tools.rar", EncodeRar4(ToolsMembers())), {});
    unrar.ExtractAll(false, true);
    EXPECT_TRUE(QFileInfo(Listing(unrar) + "readme.txt").isFile());
  }
  EXPECT_EQ(FilesBelow(temp), (QStringList{"as_file", "keep/as_inside"}));
  EXPECT_EQ(QDir(temp).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"keep"});
}

}  // namespace
