// The sample book made by the build: its pack, its descriptions and its pictures.

#include "app/MemoryStream.h"
#include "app/ResourcePack.h"
#include "platform/Cp1251.h"

#include <QDir>
#include <QFileInfo>
#include <QPoint>
#include <QRect>
#include <QRegularExpression>
#include <QSize>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString kBook = QStringLiteral(SKINBOOK_SAMPLE_BOOK);

std::string Member(const std::string& name) {
  TMemoryStream stream;
  if (PackLoad(name, stream) != 0) return {};
  return stream.Data();
}

uint32_t Le(const std::string& bytes, size_t at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
  return value;
}

struct Bmp {
  bool valid = false;
  int bits = 0;
  QSize size;
};

Bmp ReadBmpHeader(const std::string& bytes) {
  Bmp b;
  if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) return b;
  b.valid = true;
  b.size =
      QSize(static_cast<int>(Le(bytes, 18, 4)), std::abs(static_cast<int32_t>(Le(bytes, 22, 4))));
  b.bits = static_cast<int>(Le(bytes, 28, 2));
  return b;
}

// One element's pictures and where it stands, in description order.
struct Placed {
  QPoint pos;
  std::vector<std::string> pictures;
};

class SampleBook : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFileInfo(kBook).isDir()) << qPrintable(kBook);
    ASSERT_EQ(PackOpenHostFile(QDir(kBook).filePath(QStringLiteral("interface.dat"))), 0);
    structText_ = Member("STRUCT.TXT");
    ASSERT_FALSE(structText_.empty());
    for (const QString& line : FromCp1251(structText_).split(QStringLiteral("\r\n")))
      lines_ << line.toLower();
  }
  void TearDown() override { PackClose(); }

  std::vector<Placed> Elements() const {
    static const QRegularExpression key(QStringLiteral("\\b(vx|vy|fn[1-4])=\\s*([^;]*)"));
    std::vector<Placed> elements;
    QPoint pos(-1, -1);
    for (const QString& line : lines_) {
      for (const auto& m : key.globalMatch(line)) {
        const QString name = m.captured(1), value = m.captured(2).trimmed();
        if (name == "vx") pos.setX(value.toInt());
        if (name == "vy") pos.setY(value.toInt());
        if (name == "fn1") elements.push_back({pos, {}});
        if (name.startsWith("fn") && !elements.empty())
          elements.back().pictures.push_back(ToCp1251(value));
      }
    }
    return elements;
  }

  std::vector<std::string> Backgrounds() const {
    static const QRegularExpression screen(QStringLiteral("_screen\\d (\\S+)"));
    std::vector<std::string> names;
    for (const QString& line : lines_)
      if (const auto m = screen.match(line); m.hasMatch()) names.push_back(ToCp1251(m.captured(1)));
    return names;
  }

  std::string structText_;
  QStringList lines_;  // lower-cased, as the reader sees them
};

TEST_F(SampleBook, PackHoldsTheDescriptionsAndTheAnimation) {
  const std::vector<std::string> files = PackListFiles();
  for (const char* name : {"STRUCT.TXT", "TITLE.TXT", "PISTON.GIF"})
    EXPECT_NE(std::find(files.begin(), files.end(), name), files.end()) << name;
  EXPECT_EQ(FromCp1251(Member("TITLE.TXT")),
            QStringLiteral("Ремонт и эксплуатация автомобиля\r\n"));
}

TEST_F(SampleBook, DescriptionLinesEndInCrLf) {
  for (const std::string& text : {structText_, Member("TITLE.TXT")}) {
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r') {
        EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "at byte " << i;
      }
      if (text[i] == '\n') {
        EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "at byte " << i;
      }
    }
  }
}

// The reader looks for these in every line; each must stand only on its own line.
TEST_F(SampleBook, TopLevelKeywordsStandOnlyOnTheirOwnLines) {
  for (const char* word : {"codec", "rolic", "helpwin", "background", "icon", "bgsounddef",
                           "vertexmain", "minimize", "close"}) {
    const auto n = std::count_if(lines_.begin(), lines_.end(), [word](const QString& l) {
      return l.contains(QLatin1String(word));
    });
    EXPECT_LE(n, 1) << word;
  }
  for (const char* word : {"minimize", "close", "vertexmain"}) {
    EXPECT_TRUE(std::any_of(lines_.begin(), lines_.end(), [word](const QString& l) {
      return l.startsWith(QLatin1String(word));
    })) << word;
  }
}

TEST_F(SampleBook, ScreensAreWindowSizedPictures) {
  const std::vector<std::string> backgrounds = Backgrounds();
  ASSERT_EQ(backgrounds.size(), 2u);
  for (const std::string& name : backgrounds) {
    const Bmp bmp = ReadBmpHeader(Member(name));
    ASSERT_TRUE(bmp.valid) << name;
    EXPECT_EQ(bmp.bits, 24) << name;
    EXPECT_GE(bmp.size.width(), 800) << name;
    EXPECT_GE(bmp.size.height(), 600) << name;
    // Switching screens keeps the window's size, so every screen has the first one's.
    EXPECT_EQ(bmp.size, ReadBmpHeader(Member(backgrounds.front())).size) << name;
  }
}

TEST_F(SampleBook, EveryElementsPicturesShareOneSizeInsideTheWindow) {
  const QSize window = ReadBmpHeader(Member(Backgrounds().front())).size;
  const std::vector<Placed> elements = Elements();
  ASSERT_GE(elements.size(), 14u);
  for (const Placed& e : elements) {
    ASSERT_GE(e.pictures.size(), 3u);
    const Bmp first = ReadBmpHeader(Member(e.pictures.front()));
    ASSERT_TRUE(first.valid) << e.pictures.front();
    EXPECT_TRUE(QRect(QPoint(0, 0), window).contains(QRect(e.pos, first.size)))
        << e.pictures.front();
    for (const std::string& name : e.pictures) {
      const Bmp bmp = ReadBmpHeader(Member(name));
      EXPECT_TRUE(bmp.valid) << name;
      EXPECT_EQ(bmp.bits, 24) << name;
      EXPECT_EQ(bmp.size, first.size) << name;
    }
  }
}

TEST_F(SampleBook, PistonAnimationFitsTheTitleScreen) {
  const std::string gif = Member("PISTON.GIF");
  ASSERT_GE(gif.size(), 13u);
  EXPECT_EQ(gif.substr(0, 6), "GIF89a");
  EXPECT_NE(gif.find("NETSCAPE2.0"), std::string::npos);
  EXPECT_EQ(gif.back(), ';');
  const QSize size(static_cast<int>(Le(gif, 6, 2)), static_cast<int>(Le(gif, 8, 2)));
  const QSize window = ReadBmpHeader(Member(Backgrounds().front())).size;
  EXPECT_TRUE(QRect(QPoint(0, 0), window).contains(QRect(QPoint(583, 470), size)));
}

}  // namespace
