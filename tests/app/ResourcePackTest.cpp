#include "app/ComprStream.h"
#include "app/Errors.h"
#include "app/ResourcePack.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"
#include "support/PackBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <zlib.h>
#include <QFile>

#include <chrono>
#include <functional>
#include <optional>

namespace {

std::string W(QStringView text) { return ToCp1251(text); }

QByteArray Q(const std::string& bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

std::string Word(uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

std::string ZlibStream(const std::string& bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::string out(size, '\0');
  compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
           static_cast<uLong>(bytes.size()));
  out.resize(size);
  return out;
}

// A pack put together field by field, the way any other writer following the layout could.
struct RawEntry {
  std::string name;
  uint32_t offset = 0, stored = 0, unpacked = 0, kind = 1;
};

struct RawPack {
  std::vector<std::pair<uint32_t, uint32_t>> groups;  // first entry, entry count
  std::vector<RawEntry> entries;
  uint32_t rootGroup = 0;
  uint32_t freeWord = 0xA5A5F00D;
  std::string data;

  RawEntry File(const std::string& name, const std::string& bytes, bool compressed) {
    const std::string stored = compressed ? ZlibStream(bytes) : bytes;
    RawEntry e{name, static_cast<uint32_t>(data.size()), static_cast<uint32_t>(stored.size()),
               static_cast<uint32_t>(bytes.size()), 1};
    data += stored;
    return e;
  }
  static RawEntry Folder(const std::string& name, uint32_t group) { return RawEntry{name, group, 0, 0, 2}; }

  std::string Directory() const {
    std::string d = Word(static_cast<uint32_t>(groups.size())) + Word(static_cast<uint32_t>(entries.size())) +
                    Word(freeWord) + Word(rootGroup);
    for (const auto& [first, count] : groups) d += Word(first) + Word(count);
    for (const RawEntry& e : entries) {
      std::string name = e.name;
      name.resize(64, '\0');
      d += name + Word(e.offset) + Word(e.stored) + Word(e.unpacked) + Word(e.kind);
    }
    return d;
  }

  std::string Bytes(bool compressDirectory = true) const {
    const std::string directory = Directory();
    const std::string block = compressDirectory ? ZlibStream(directory) : directory;
    return Word(static_cast<uint32_t>(directory.size() - block.size()) ^ 0x5C2E91A7) +
           Word(static_cast<uint32_t>(block.size()) ^ 0x3D7A04E6) + block + data;
  }
};

std::optional<std::string> Load(const std::string& path) {
  TMemoryStream stream("leftover");
  if (PackLoad(path, stream) != 0) return std::nullopt;
  EXPECT_EQ(stream.Position(), 0u);
  return stream.Data();
}

class ResourcePack : public testing::Test {
 protected:
  void TearDown() override {
    PackClose();
    PackSetRoot("");
  }

  void OpenRaw(const std::string& bytes) { PackOpenHostFile(dir_.Write(QStringLiteral("raw.dat"), Q(bytes))); }

  TempDir dir_;
};

TEST(PackNormalizeName, UpperCasesLatinAndCyrillicOnly) {
  const struct {
    std::string text, normalized;
  } cases[] = {
      {"d:/Run/man/a.htm", "D:\\RUN\\MAN\\A.HTM"},
      {W(u"абвгдежзийклмнопрстуфхцчшщъыьэюя"), W(u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ")},
      {W(u"ёЁ"), W(u"ёЁ")},
      {"\x80\x9f\xa0\xbf\xc0\xdf 0-9_[]{}~\x7f", "\x80\x9f\xa0\xbf\xc0\xdf 0-9_[]{}~\x7f"},
      {std::string("a\0b", 3), std::string("A\0B", 3)},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    PackNormalizeName(text);
    EXPECT_EQ(text, c.normalized) << c.text;
  }
}

TEST_F(ResourcePack, FindsPathsTheWayTheyAreWrittenInBooks) {
  PackOpenHostFile(WritePack(dir_, {{"man/a.htm", "A"},
                                    {"man/sub/", ""},
                                    {W(u"Глава/Страница.htm"), "page"},
                                    {W(u"ёлка.txt"), "small yo"},
                                    {W(u"Ёлка.txt"), "capital yo"},
                                    {W(u"елка.txt"), "ye"},
                                    {"E:/x.txt", "drive"}}));
  PackSetRoot("d:\\Run\\");

  const struct {
    std::string path;
    std::optional<std::string> bytes;
  } cases[] = {
      {"man\\a.htm", "A"},
      {"MAN/A.HTM", "A"},
      {"d:\\run\\man\\a.htm", "A"},
      {"D:/rUN/Man/A.htm", "A"},
      {"\\man\\a.htm", "A"},
      {"d:\\run\\\\man\\a.htm", "A"},
      {"\\\\man\\a.htm", std::nullopt},
      {W(u"глава/страница.htm"), "page"},
      {W(u"d:\\run\\ГЛАВА\\СТРАНИЦА.HTM"), "page"},
      {W(u"ёлка.txt"), "small yo"},
      {W(u"ЁЛКА.TXT"), "capital yo"},
      {W(u"Елка.txt"), "ye"},
      // Outside the root prefix the full text is looked up from the root.
      {"e:\\x.txt", "drive"},
      {"c:\\run\\man\\a.htm", std::nullopt},
      {"d:\\man\\a.htm", std::nullopt},
      {"man", std::nullopt},
      {"man\\sub", std::nullopt},
      {"man\\a.htm\\b", std::nullopt},
      {"man\\", std::nullopt},
      {"", std::nullopt},
      {"d:\\run\\", std::nullopt},
      {"man\\" + std::string(101, 'x'), std::nullopt},
      {"man\\" + std::string(1100, 'x'), std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Load(c.path), c.bytes) << c.path;
    EXPECT_EQ(PackFind(c.path) >= 0, c.bytes.has_value()) << c.path;
  }
}

TEST_F(ResourcePack, PathsOver1024BytesAreRefused) {
  PackOpenHostFile(WritePack(dir_, {{"man/a.htm", "A"}}));
  const std::string prefix = "d:\\" + std::string(1000, 'P') + "\\";
  PackSetRoot(prefix);
  EXPECT_GE(PackFind(prefix + "man\\a.htm"), 0);
  PackSetRoot(prefix + std::string(20, 'Q'));
  EXPECT_EQ(PackFind(prefix + std::string(20, 'Q') + "man\\a.htm"), -1);
}

TEST_F(ResourcePack, TheFirstEntryOfANameDecidesWhateverItsKind) {
  RawPack p;
  p.groups = {{0, 7}, {7, 1}};
  p.entries = {
      p.File("TWICE.TXT", "first", false), p.File("TWICE.TXT", "second", false),
      p.File("DIR", "a file", false),      RawPack::Folder("DIR", 1),
      RawEntry{"ODD.TXT", 0, 0, 0, 3},     p.File("ODD.TXT", "after an odd kind", false),
      p.File("ONLYODD", "", false),        p.File("C.TXT", "c", false),
  };
  p.entries[6].kind = 7;
  OpenRaw(p.Bytes());

  EXPECT_EQ(Load("twice.txt"), "first");
  EXPECT_EQ(PackFind("twice.txt"), 0);
  EXPECT_EQ(Load("dir"), "a file");
  EXPECT_EQ(PackFind("dir\\c.txt"), -1);
  EXPECT_EQ(PackFind("odd.txt"), -1);
  EXPECT_EQ(PackFind("onlyodd"), -1);
  // The listing holds what a path reaches, each entry once.
  EXPECT_EQ(PackListFiles(), (std::vector<std::string>{"TWICE.TXT", "DIR"}));
}

// Listed are exactly the paths that find their entry.
TEST_F(ResourcePack, EntriesNoPathReachesAreNotListed) {
  RawPack p;
  p.groups = {{0, 6}, {6, 1}};
  p.entries = {p.File("", "x", false),        RawPack::Folder("", 1),           p.File("A.TXT", "a", false),
               p.File("low.txt", "l", false), p.File("SUB\\B.TXT", "s", false), p.File("SUB/C.TXT", "c", false),
               p.File("B.TXT", "b", false)};
  OpenRaw(p.Bytes());
  EXPECT_EQ(PackListFiles(), std::vector<std::string>{"A.TXT"});
}

TEST_F(ResourcePack, ReadsAPackFromAnyWriterFollowingTheLayout) {
  // Root group is not group 0, entries are unsorted, the free word holds garbage, the
  // directory is stored as is, and "." entries point back at their own and parent groups.
  RawPack p;
  p.rootGroup = 2;
  p.groups = {{4, 4}, {8, 1}, {0, 4}};
  p.entries = {
      p.File("ZETA.TXT", "zeta", true),
      RawPack::Folder(".", 2),
      RawPack::Folder("MAN", 0),
      p.File("ALPHA.TXT", std::string(300, 'a'), true),
      RawPack::Folder("..", 2),
      p.File("B.HTM", "", false),
      RawPack::Folder(".HIDDEN", 1),
      p.File("A.HTM", "stored as is", false),
      p.File("SECRET.TXT", "secret", false),
  };
  const std::string bytes = p.Bytes(false);
  EXPECT_EQ(bytes.substr(0, 4), Word(0x5C2E91A7));  // the size difference decodes to 0
  OpenRaw(bytes);

  EXPECT_EQ(PackListFiles(), (std::vector<std::string>{"ZETA.TXT", "MAN\\B.HTM", "MAN\\A.HTM", "ALPHA.TXT"}));
  EXPECT_EQ(Load("zeta.txt"), "zeta");
  EXPECT_EQ(Load("alpha.txt"), std::string(300, 'a'));
  EXPECT_EQ(Load("man\\a.htm"), "stored as is");
  EXPECT_EQ(Load("man\\b.htm"), "");
  EXPECT_EQ(Load("man\\.hidden\\secret.txt"), "secret");
  EXPECT_EQ(Load("man\\..\\zeta.txt"), "zeta");
}

TEST_F(ResourcePack, StoredCompressedAndEmptyMembersComeBackUnchanged) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) >> 3);
  const std::vector<PackMember> members = {
      {"empty.txt", ""},
      {"one.bin", std::string(1, '\0')},
      {"text.txt", std::string(20000, 'x')},
      {"binary.bin", binary},
  };
  PackOpenHostFile(WritePack(dir_, members));
  for (const PackMember& m : members) EXPECT_EQ(Load(m.path), m.bytes) << m.path;
}

TEST_F(ResourcePack, ListsDepthFirstInStoredOrderWithoutDotEntries) {
  PackOpenHostFile(WritePack(dir_, {{"b.txt", ""},
                                    {"a/z.txt", ""},
                                    {"a/c/d.txt", ""},
                                    {".git/config", ""},
                                    {"a/.keep", ""},
                                    {"empty/", ""},
                                    {"c.txt", ""}}));
  EXPECT_EQ(PackListFiles(), (std::vector<std::string>{"A\\C\\D.TXT", "A\\Z.TXT", "B.TXT", "C.TXT"}));
}

TEST_F(ResourcePack, FoldersThatLoopOrShareGroupsAreListedOnce) {
  // Group g holds a file and two folders that both lead to group g + 1; the last loops back
  // to the root. Walked naively this doubles with every level.
  RawPack p;
  const uint32_t levels = 40;
  for (uint32_t g = 0; g < levels; ++g) {
    p.groups.push_back({3 * g, 3});
    const uint32_t next = g + 1 < levels ? g + 1 : 0;
    p.entries.push_back(p.File("F", "x", false));
    p.entries.push_back(RawPack::Folder("A", next));
    p.entries.push_back(RawPack::Folder("B", next));
  }
  OpenRaw(p.Bytes());
  const auto start = std::chrono::steady_clock::now();
  const std::vector<std::string> files = PackListFiles();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  ASSERT_EQ(files.size(), levels);
  EXPECT_EQ(files[0], "F");
  EXPECT_EQ(files[2], "A\\A\\F");
  EXPECT_EQ(Load("a\\b\\a\\f"), "x");
}

TEST_F(ResourcePack, ThePackCopyWinsOverTheDiskFile) {
  dir_.Write(QStringLiteral("Run/Man/A.htm"), "disk A");
  dir_.Write(QStringLiteral("Run/Man/OnlyDisk.htm"), "disk only");
  WritePack(dir_, {{"man/a.htm", "pack A"}, {"man/only-pack.htm", "pack only"}}, QStringLiteral("Run/Interface.DAT"));
  HostPath::SetDiscRoot(dir_.Path());
  PackOpen("d:\\run\\interface.dat");
  PackSetRoot("d:\\run\\");

  const struct {
    std::string name;
    std::optional<std::string> bytes;
  } cases[] = {
      {"d:\\run\\man\\a.htm", "pack A"},
      {"d:\\RUN\\MAN\\ONLYDISK.HTM", "disk only"},
      {"d:\\run\\man\\only-pack.htm", "pack only"},
      {"d:\\run\\man\\missing.htm", std::nullopt},
      {"d:\\run\\man", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileOrPackExists(c.name), c.bytes.has_value()) << c.name;
    try {
      TComprStream stream(c.name);
      EXPECT_EQ(stream.Data(), c.bytes) << c.name;
      EXPECT_EQ(stream.Position(), 0u);
    } catch (const EFOpenError& e) {
      EXPECT_FALSE(c.bytes) << c.name;
      // The message names the host file and what is wrong with it.
      const std::string host = HostPath::ToHost(c.name).toStdString();
      EXPECT_EQ(std::string(e.what()),
                "Cannot open file " + host + (c.name.ends_with(".htm") ? ": it does not exist" : ": it is a folder"));
    }
  }
}

TEST_F(ResourcePack, AMissingPackRaisesTheFileOpenErrorAndFindsNothing) {
  PackOpenHostFile(WritePack(dir_, {{"a.txt", "a"}}));
  HostPath::SetDiscRoot(dir_.Path());
  EXPECT_THROW(PackOpen("d:\\nothing.dat"), EFOpenError);
  EXPECT_EQ(PackFind("a.txt"), -1);
  EXPECT_TRUE(PackListFiles().empty());
  try {
    PackOpen("d:\\nothing.dat");
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file " + dir_.Path().toStdString() + "/nothing.dat: it does not exist");
  }
  dir_.MakeFolder(QStringLiteral("folder.dat"));
  EXPECT_THROW(PackOpen("d:\\folder.dat"), EFOpenError);
}

RawPack GoodPack() {
  RawPack p;
  p.groups = {{0, 2}, {2, 1}};
  p.entries = {RawPack::Folder("DIR", 1), p.File("A.TXT", std::string(100, 'a'), true), p.File("B.TXT", "b", false)};
  return p;
}

std::string Header(uint32_t unpacked, uint32_t stored) {
  return Word((unpacked - stored) ^ 0x5C2E91A7) + Word(stored ^ 0x3D7A04E6);
}

TEST_F(ResourcePack, ADamagedPackFailsToOpenAndFindsNothing) {
  const std::string good = GoodPack().Bytes();
  const std::string directory = GoodPack().Directory();
  const std::string deflated = ZlibStream(directory);
  const auto withPack = [](const std::function<void(RawPack&)>& damage) {
    RawPack p = GoodPack();
    damage(p);
    return p.Bytes();
  };
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"header cut short", good.substr(0, 7)},
      {"directory cut short", good.substr(0, 20)},
      {"directory past the end", Header(500, 400) + std::string(100, 'x')},
      {"directory not zlib", Header(200, 50) + std::string(50, 'x')},
      {"directory inflates short", Header(directory.size() + 1, deflated.size()) + deflated},
      {"directory inflates long", Header(directory.size() - 1, deflated.size()) + deflated},
      {"absurd directory size", Header(0x7FFFFFF0, 20) + std::string(20, 'x')},
      {"directory size over 2^31", Header(0x80000010, 20) + std::string(20, 'x')},
      {"directory shorter than its header", Header(12, 12) + std::string(12, '\0')},
      {"group count past the directory",
       [&] {
         std::string d = directory;
         d.replace(0, 4, Word(1000));
         return Header(d.size(), d.size()) + d;
       }()},
      {"entry count past the directory",
       [&] {
         std::string d = directory;
         d.replace(4, 4, Word(4));
         return Header(d.size(), d.size()) + d;
       }()},
      {"root group out of range", withPack([](RawPack& p) { p.rootGroup = 2; })},
      {"no groups", withPack([](RawPack& p) {
         p.groups.clear();
         p.entries.clear();
       })},
      {"group past the entries", withPack([](RawPack& p) {
         p.groups[1] = {2, 2};
       })},
      {"group start far out", withPack([](RawPack& p) {
         p.groups[1] = {0xFFFFFFFF, 2};
       })},
      {"folder group out of range", withPack([](RawPack& p) { p.entries[0].offset = 2; })},
      {"file past the data area", withPack([](RawPack& p) { p.entries[2].offset = p.data.size(); })},
      {"file size past the data area", withPack([](RawPack& p) { p.entries[2].stored = 0xFFFFFFFF; })},
      {"absurd unpacked size", withPack([](RawPack& p) { p.entries[1].unpacked = 0x7FFFFFFF; })},
      {"unpacked size over what the bytes can give",
       withPack([](RawPack& p) { p.entries[1].unpacked = p.entries[1].stored * 1033; })},
  };
  for (const auto& c : cases) {
    PackOpenHostFile(dir_.Write(QStringLiteral("good.dat"), Q(good)));
    ASSERT_GE(PackFind("dir\\b.txt"), 0);
    const QString damaged = dir_.Write(QStringLiteral("damaged.dat"), Q(c.bytes));
    try {
      PackOpenHostFile(damaged);
      ADD_FAILURE() << c.what << ": opened";
    } catch (const EDataError& e) {
      EXPECT_NE(std::string(e.what()).find("damaged.dat"), std::string::npos) << e.what();
    }
    EXPECT_EQ(PackFind("dir\\b.txt"), -1) << c.what;
    EXPECT_TRUE(PackListFiles().empty()) << c.what;
  }
}

TEST_F(ResourcePack, ADamagedMemberIsNeverReplacedByTheDiskFile) {
  RawPack p;
  p.groups = {{0, 4}};
  p.entries = {
      p.File("GOOD.TXT", std::string(64, 'g'), true),
      RawEntry{"GARBAGE.TXT", 0, 10, 20, 1},
      p.File("SHORT.TXT", std::string(30, 's'), true),
      p.File("LONG.TXT", std::string(30, 'l'), true),
  };
  p.entries[2].unpacked = 31;
  p.entries[3].unpacked = 29;
  p.data += std::string(10, '\x55');
  p.entries[1].offset = p.data.size() - 10;
  dir_.Write(QStringLiteral("garbage.txt"), "on disk");
  dir_.Write(QStringLiteral("interface.dat"), Q(p.Bytes()));
  HostPath::SetDiscRoot(dir_.Path());
  PackOpen("d:\\interface.dat");
  PackSetRoot("d:\\");

  EXPECT_EQ(Load("good.txt"), std::string(64, 'g'));
  for (const char* name : {"d:\\garbage.txt", "d:\\short.txt", "d:\\long.txt"}) {
    EXPECT_EQ(Load(name), std::nullopt) << name;
    TMemoryStream stream("kept");
    EXPECT_EQ(PackExtract(PackFind(name), stream), -1);
    EXPECT_EQ(stream.Data(), "kept");
    EXPECT_TRUE(FileOrPackExists(name));
    try {
      TComprStream stream{name};
      ADD_FAILURE() << name;
    } catch (const EFOpenError& e) {
      // The pack's damaged copy is named, not the disk file that would have been read.
      EXPECT_NE(std::string(e.what()).find("\" in the resource pack " + dir_.Path().toStdString() +
                                           "/interface.dat: it is damaged"),
                std::string::npos)
          << e.what();
    }
  }
}

TEST_F(ResourcePack, APackCutShortAfterOpeningFailsItsMembersCleanly) {
  const QString file = WritePack(dir_, {{"a.txt", std::string(5000, 'a')}, {"b.txt", "b"}});
  PackOpenHostFile(file);
  QFile(file).resize(QFile(file).size() - 1);
  EXPECT_EQ(Load("b.txt"), std::nullopt);
  EXPECT_EQ(Load("a.txt"), std::string(5000, 'a'));
}

TEST_F(ResourcePack, ExtractRefusesWhatIsNotAFile) {
  PackOpenHostFile(WritePack(dir_, {{"dir/a.txt", "a"}}));
  TMemoryStream stream;
  for (int entry : {-1, 0, 2, 1000}) EXPECT_EQ(PackExtract(entry, stream), -1) << entry;
  EXPECT_EQ(PackExtract(1, stream), 0);
  EXPECT_EQ(stream.Data(), "a");
}

}  // namespace
