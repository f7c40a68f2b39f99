#include "archive/RarVolumes.h"

#include "support/RarWriter.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TRarVolumeInfo Info(const QByteArray& bytes) {
  return ReadRarVolumeInfo([&](qint64 offset, qint64 length) { return bytes.mid(offset, length); });
}

TEST(RarVolumes, NextNames) {
  const struct {
    const char* name;
    bool newNumbering;
    const char* next;
  } cases[] = {
      {"d:\\a\\tools.part1.rar", true, "d:\\a\\tools.part2.rar"},
      {"d:\\a\\tools.part09.rar", true, "d:\\a\\tools.part10.rar"},
      {"d:\\a\\tools.part9.rar", true, "d:\\a\\tools.part10.rar"},
      {"d:\\a\\tools.part001.rar", true, "d:\\a\\tools.part002.rar"},
      {"d:\\a\\tools.rar", false, "d:\\a\\tools.r00"},
      {"d:\\a\\tools.r00", false, "d:\\a\\tools.r01"},
      {"d:\\a\\tools.r99", false, "d:\\a\\tools.s00"},
      {"d:\\a\\tools.rar", true, ""},
      {"d:\\a\\tools.zip", false, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NextVolumeName(c.name, c.newNumbering), c.next) << c.name;
}

TEST(RarVolumes, HeadersTellWhetherTheSetGoesOn) {
  const std::vector<TRarMember> members = {{"a.txt", "0123456789abcdefghij"}, {"b.txt", "BBBB"}};
  const std::vector<QByteArray> volumes = EncodeRar4Volumes(members, 8);
  ASSERT_EQ(volumes.size(), 3u);
  for (size_t i = 0; i < volumes.size(); ++i) {
    const TRarVolumeInfo info = Info(volumes[i]);
    EXPECT_TRUE(info.rar && info.volume && info.newNumbering);
    EXPECT_EQ(info.continues, i + 1 < volumes.size()) << i;
  }
  // Without the end block the last member's header says it.
  const QByteArray first = volumes[0];
  EXPECT_TRUE(Info(first.left(first.size() - 7)).continues);

  for (const QByteArray& single : {EncodeRar4(members), EncodeRar5(members)}) {
    const TRarVolumeInfo info = Info(single);
    EXPECT_TRUE(info.rar);
    EXPECT_FALSE(info.volume || info.continues);
  }
  EXPECT_FALSE(Info("PK\x03\x04 not a rar").rar);
}

TEST(RarVolumes, DamagedHeadersEndTheReading) {
  const std::vector<QByteArray> volumes = EncodeRar4Volumes({{"a.txt", QByteArray(100, 'a')}}, 40);
  QByteArray damaged = volumes[0];
  damaged[7 + 13 + 5] = 0;  // the file block's size below its own header
  damaged[7 + 13 + 6] = 0;
  EXPECT_FALSE(Info(damaged).continues);
  for (qsizetype cut = 0; cut < volumes[0].size(); ++cut) Info(volumes[0].left(cut));  // never reads past the end
}

TEST(RarVolumes, SetsStopAtTheFirstMissingVolume) {
  const std::vector<QByteArray> volumes = EncodeRar4Volumes({{"a.txt", QByteArray(30, 'a')}}, 10);
  ASSERT_EQ(volumes.size(), 3u);
  std::map<std::string, QByteArray> disc = {{"d:\\t.part1.rar", volumes[0]}, {"d:\\t.part2.rar", volumes[1]}};
  auto info = [&](const std::string& name) { return Info(disc[name]); };
  auto exists = [&](const std::string& name) { return disc.count(name) > 0; };

  TVolumeSet set = FindVolumes("d:\\t.part1.rar", info, exists);
  EXPECT_EQ(set.volumes, (std::vector<std::string>{"d:\\t.part1.rar", "d:\\t.part2.rar"}));
  EXPECT_EQ(set.missing, "d:\\t.part3.rar");

  disc["d:\\t.part3.rar"] = volumes[2];
  set = FindVolumes("d:\\t.part1.rar", info, exists);
  EXPECT_EQ(set.volumes.size(), 3u);
  EXPECT_EQ(set.missing, "");
}

}  // namespace
