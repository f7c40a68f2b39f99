#include "app/PackWriter.h"
#include "app/ResourcePack.h"
#include "platform/Cp1251.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <zlib.h>
#include <QFile>

#include <random>

namespace {

std::string W(QStringView text) { return ToCp1251(text); }

uint32_t WordAt(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

std::string Inflate(const std::string& stream, size_t size) {
  std::string out(size, '\0');
  uLongf outSize = size;
  EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(out.data()), &outSize, reinterpret_cast<const Bytef*>(stream.data()),
                       stream.size()),
            Z_OK);
  EXPECT_EQ(outSize, size);
  return out;
}

std::string RandomBytes(size_t count, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes;
  for (size_t i = 0; i < count; ++i) bytes += static_cast<char>(random() & 0xFF);
  return bytes;
}

// The pack read back field by field, independently of the reader.
struct Decoded {
  uint32_t unpacked, stored;
  std::string directory, data;

  explicit Decoded(const std::string& pack) {
    stored = WordAt(pack, 4) ^ 0x3D7A04E6;
    unpacked = (WordAt(pack, 0) ^ 0x5C2E91A7) + stored;
    const std::string block = pack.substr(8, stored);
    directory = unpacked == stored ? block : Inflate(block, unpacked);
    data = pack.substr(8 + stored);
  }
  uint32_t Groups() const { return WordAt(directory, 0); }
  uint32_t Entries() const { return WordAt(directory, 4); }
  uint32_t Root() const { return WordAt(directory, 12); }
  std::pair<uint32_t, uint32_t> Group(uint32_t g) const {
    return {WordAt(directory, 16 + 8 * g), WordAt(directory, 20 + 8 * g)};
  }
  size_t EntryAt(uint32_t e) const { return 16 + 8 * Groups() + 80 * e; }
  std::string Name(uint32_t e) const {
    const std::string field = directory.substr(EntryAt(e), 64);
    return field.substr(0, field.find('\0'));
  }
  uint32_t Field(uint32_t e, size_t offset) const { return WordAt(directory, EntryAt(e) + offset); }
  std::string Member(uint32_t e) const {
    const std::string stored = data.substr(Field(e, 64), Field(e, 68));
    return Field(e, 68) == Field(e, 72) ? stored : Inflate(stored, Field(e, 72));
  }
};

TEST(PackWriter, WritesOneSortedGroupPerFolderDepthFirst) {
  TPackWriter writer;
  const std::string noise = RandomBytes(300, 1);
  writer.AddFile(W(u"я.txt"), "ya");
  writer.AddFile("b.txt", std::string(1000, 'b'));
  writer.AddFolder("empty");
  writer.AddFile("a/y.txt", "");
  writer.AddFile("a/x.bin", noise);
  const Decoded pack(writer.ToBytes());

  EXPECT_LT(pack.stored, pack.unpacked);
  EXPECT_EQ(WordAt(pack.directory, 8), 0u);
  ASSERT_EQ(pack.Groups(), 3u);
  ASSERT_EQ(pack.Entries(), 6u);
  EXPECT_EQ(pack.Root(), 0u);
  EXPECT_EQ(pack.Group(0), std::make_pair(0u, 4u));
  EXPECT_EQ(pack.Group(1), std::make_pair(4u, 2u));
  EXPECT_EQ(pack.Group(2), std::make_pair(6u, 0u));

  const struct {
    std::string name;
    uint32_t kind;
    std::string bytes;
    bool compressed;
  } entries[] = {
      {"A", 2, "", false},        {"B.TXT", 1, std::string(1000, 'b'), true},
      {"EMPTY", 2, "", false},    {W(u"Я.TXT"), 1, "ya", false},
      {"X.BIN", 1, noise, false}, {"Y.TXT", 1, "", false},
  };
  for (uint32_t e = 0; e < 6; ++e) {
    SCOPED_TRACE(e);
    EXPECT_EQ(pack.Name(e), entries[e].name);
    EXPECT_EQ(pack.Field(e, 76), entries[e].kind);
    if (entries[e].kind == 2) continue;
    EXPECT_EQ(pack.Member(e), entries[e].bytes);
    EXPECT_EQ(pack.Field(e, 68) < pack.Field(e, 72), entries[e].compressed);
  }
  EXPECT_EQ(pack.Field(0, 64), 1u);
  EXPECT_EQ(pack.Field(2, 64), 2u);
}

TEST(PackWriter, RefusesNamesItCannotStore) {
  const std::string longest(64, 'n');
  const struct {
    std::vector<std::string> paths;  // the last one fails
  } cases[] = {
      {{longest + "x"}},
      {{"dir/" + longest + "x/a.txt"}},
      {{"."}},
      {{"a/../b"}},
      {{""}},
      {{"//"}},
      {{"a.txt", "a.txt"}},
      {{"a.txt", "A.TXT"}},
      {{W(u"Глава/a"), W(u"глава/A")}},
      {{"a", "a/b"}},
      {{"a/b", "a"}},
  };
  for (const auto& c : cases) {
    TPackWriter writer;
    for (size_t i = 0; i + 1 < c.paths.size(); ++i) writer.AddFile(c.paths[i], "");
    EXPECT_THROW(writer.AddFile(c.paths.back(), ""), EPackWriteError) << c.paths.back();
  }
  TPackWriter writer;
  writer.AddFile(longest, "");
  writer.AddFolder("a");
  EXPECT_THROW(writer.AddFolder(longest + "x"), EPackWriteError);
  EXPECT_THROW(writer.AddFolder(longest + "/x"), EPackWriteError);
  EXPECT_NO_THROW(writer.AddFolder("A/"));
}

TEST(PackWriter, PacksAHostFolder) {
  TempDir source;
  source.Write(QStringLiteral("Глава 1/Страница.htm"), "<html>");
  source.Write(QStringLiteral("Глава 1/Рисунки/a.bmp"), QByteArray("BM\0\r\n\x1a", 6));
  source.Write(QStringLiteral("empty.txt"), "");
  source.Write(QStringLiteral(".hidden"), "dot");
  source.MakeFolder(QStringLiteral("Пусто"));
  TPackWriter writer;
  writer.AddHostFolder(source.Path());
  TempDir out;
  writer.WriteFile(out.Path() + QStringLiteral("/book.dat"));

  PackOpenHostFile(out.Path() + QStringLiteral("/book.dat"));
  EXPECT_EQ(PackListFiles(), (std::vector<std::string>{
                                 "EMPTY.TXT",
                                 W(u"ГЛАВА 1\\РИСУНКИ\\A.BMP"),
                                 W(u"ГЛАВА 1\\СТРАНИЦА.HTM"),
                             }));
  TMemoryStream stream;
  ASSERT_EQ(PackLoad(W(u"глава 1/рисунки/a.bmp"), stream), 0);
  EXPECT_EQ(stream.Data(), std::string("BM\0\r\n\x1a", 6));
  ASSERT_EQ(PackLoad(".hidden", stream), 0);
  EXPECT_EQ(stream.Data(), "dot");
  PackClose();
}

TEST(PackWriter, RefusesHostFoldersItCannotStore) {
  TempDir notWindows;
  notWindows.Write(QStringLiteral("日本.txt"), "");
  TempDir twice;
  twice.Write(QStringLiteral("a.txt"), "");
  twice.Write(QStringLiteral("A.TXT"), "");
  TempDir tooLong;
  tooLong.Write(QString(65, u'n'), "");
  for (const QString& folder : {notWindows.Path(), twice.Path(), tooLong.Path(), notWindows.Path() + "/x"}) {
    TPackWriter writer;
    EXPECT_THROW(writer.AddHostFolder(folder), EPackWriteError) << folder.toStdString();
  }
}

TEST(PackWriter, WritesTheWholeFileOrNothing) {
  TempDir dir;
  const QString target = dir.Write(QStringLiteral("old.dat"), "old");
  TPackWriter writer;
  writer.AddFile("a.txt", "a");
  EXPECT_THROW(writer.WriteFile(dir.Path() + QStringLiteral("/missing/x.dat")), EPackWriteError);
  writer.WriteFile(target);
  QFile file(target);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().toStdString(), writer.ToBytes());
}

TEST(PackWriter, AnEmptyPackOpensAndHoldsNothing) {
  TempDir dir;
  PackOpenHostFile(dir.Write(QStringLiteral("empty.dat"), QByteArray::fromStdString(TPackWriter().ToBytes())));
  EXPECT_TRUE(PackListFiles().empty());
  EXPECT_EQ(PackFind("a"), -1);
  PackClose();
}

}  // namespace
