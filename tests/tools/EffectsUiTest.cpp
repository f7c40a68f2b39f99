#include "support/ui/EventLoopWait.h"
#include "tools/EffBtnCar.h"
#include "tools/FastBmp.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

QImage Filled(int width, int height, QColor color) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

// A picture whose every byte differs, so that mixed-up rows or channels show.
QImage Pattern(int width, int height, int seed) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.setPixel(
          x, y,
          qRgb((x * 37 + y * 11 + seed) & 255, (x * 5 + y * 71 + seed * 3) & 255, (x * 101 + y * 13 + seed * 7) & 255));
  return image;
}

// Largest difference of one colour channel between two pictures of equal size.
int MaxChannelDifference(const QImage& a, const QImage& b) {
  EXPECT_EQ(a.size(), b.size());
  int worst = 0;
  for (int y = 0; y < std::min(a.height(), b.height()); ++y)
    for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      worst = std::max(
          {worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
    }
  return worst;
}

TFastBMP Loaded(const QImage& image) {
  TFastBMP bmp;
  bmp.LoadFromImage(image);
  return bmp;
}

struct FakeHost : TFadeHost {
  bool drawable = true;
  std::vector<QImage> frames;
  std::vector<QPoint> corners;
  bool FadeDrawable() const override { return drawable; }
  void DrawFadeFrame(const QImage& frame, QPoint at) override {
    frames.push_back(frame);
    corners.push_back(at);
  }
};

}  // namespace

TEST(FastBMP, RowSizeAndGap) {
  struct Case {
    int width, rowSize, gap;
  };
  for (const Case c : {Case{0, 0, 0}, Case{1, 4, 1}, Case{2, 8, 2}, Case{3, 12, 3}, Case{4, 12, 0}, Case{5, 16, 1},
                       Case{7, 24, 3}, Case{8, 24, 0}, Case{101, 304, 1}}) {
    SCOPED_TRACE(c.width);
    EXPECT_EQ(TFastBMP::RowSizeFor(c.width), c.rowSize);
    const TFastBMP bmp(c.width, 2);
    EXPECT_EQ(bmp.RowSize(), c.rowSize);
    EXPECT_EQ(bmp.Gap(), c.gap);
    EXPECT_EQ(bmp.Gap(), c.width % 4);
  }
  EXPECT_THROW(TFastBMP::RowSizeFor(1'000'000'000), std::length_error);
}

TEST(FastBMP, StoresBottomRowFirstInBlueGreenRed) {
  QImage image = Filled(3, 2, QColor(1, 2, 3));
  image.setPixel(0, 1, qRgb(10, 20, 30));  // bottom-left
  const TFastBMP bmp = Loaded(image);
  ASSERT_EQ(bmp.Width(), 3);
  ASSERT_EQ(bmp.Height(), 2);
  const std::uint8_t* bottom = bmp.Bits();
  EXPECT_EQ(bottom[0], 30);
  EXPECT_EQ(bottom[1], 20);
  EXPECT_EQ(bottom[2], 10);
  const std::uint8_t* top = bmp.Bits() + bmp.RowSize();
  EXPECT_EQ(top[0], 3);
  EXPECT_EQ(top[2], 1);
  EXPECT_EQ(bmp.ScanLine(1), bottom);
}

TEST(FastBMP, ConvertsAnyDepthAndGivesThePictureBack) {
  const QImage source = Pattern(5, 4, 9);
  for (auto format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888, QImage::Format_RGB16,
                      QImage::Format_Grayscale8}) {
    SCOPED_TRACE(format);
    const QImage converted = source.convertToFormat(format);
    const QImage back = Loaded(converted).ToImage();
    EXPECT_EQ(MaxChannelDifference(back, converted.convertToFormat(QImage::Format_RGB32)), 0);
  }
  EXPECT_EQ(Loaded(QImage()).Width(), 0);
  EXPECT_TRUE(Loaded(QImage()).ToImage().isNull());
}

TEST(Blend, RoundsTowardMinusInfinity) {
  struct Case {
    int from, to, level, expected;
  };
  for (const Case c : {Case{10, 0, 128, 5}, Case{1, 0, 1, 0}, Case{0, 1, 255, 0}, Case{100, 200, 255, 199},
                       Case{200, 100, 255, 100}, Case{0, 255, 128, 127}, Case{255, 0, 128, 127}, Case{77, 3, 0, 77},
                       Case{3, 250, 300, 249}, Case{3, 250, -5, 3}}) {
    SCOPED_TRACE(testing::Message() << c.from << "->" << c.to << " at " << c.level);
    TFastBMP from(1, 1), to(1, 1), out(1, 1);
    std::fill_n(from.Bits(), 3, c.from);
    std::fill_n(to.Bits(), 3, c.to);
    ASSERT_TRUE(Blend(out, to, from, c.level));
    EXPECT_EQ(out.Bits()[0], c.expected);
    EXPECT_EQ(out.Bits()[2], c.expected);
  }
}

TEST(Blend, EndsOfTheFade) {
  const TFastBMP from = Loaded(Pattern(7, 5, 1));
  const TFastBMP to = Loaded(Pattern(7, 5, 200));
  TFastBMP out(7, 5);
  ASSERT_TRUE(Blend(out, to, from, 0));
  EXPECT_EQ(MaxChannelDifference(out.ToImage(), from.ToImage()), 0);
  ASSERT_TRUE(Blend(out, to, from, 255));
  EXPECT_LE(MaxChannelDifference(out.ToImage(), to.ToImage()), 1);
  EXPECT_GT(MaxChannelDifference(out.ToImage(), from.ToImage()), 1);
}

TEST(Blend, LeavesRowGapsAlone) {
  for (int width : {1, 3, 5, 6}) {
    SCOPED_TRACE(width);
    TFastBMP from = Loaded(Pattern(width, 3, 4));
    TFastBMP to = Loaded(Pattern(width, 3, 99));
    TFastBMP out(width, 3);
    // Gap bytes of the sources must not be read as pixels, nor those of Out written.
    for (int row = 0; row < 3; ++row)
      for (int i = 3 * width; i < out.RowSize(); ++i) {
        from.Bits()[row * from.RowSize() + i] = 0x11;
        to.Bits()[row * to.RowSize() + i] = 0xEE;
        out.Bits()[row * out.RowSize() + i] = 0xAB;
      }
    ASSERT_TRUE(Blend(out, to, from, 128));
    TFastBMP expected(width, 3);
    for (int y = 0; y < 3; ++y)
      for (int i = 0; i < 3 * width; ++i) {
        const int f = from.ScanLine(y)[i];
        expected.ScanLine(y)[i] = static_cast<std::uint8_t>(f + ((128 * (to.ScanLine(y)[i] - f)) >> 8));
      }
    EXPECT_EQ(MaxChannelDifference(out.ToImage(), expected.ToImage()), 0);
    for (int row = 0; row < 3; ++row)
      for (int i = 3 * width; i < out.RowSize(); ++i) EXPECT_EQ(out.Bits()[row * out.RowSize() + i], 0xAB);
  }
}

TEST(Blend, RefusesBuffersOfDifferentSizes) {
  const TFastBMP from = Loaded(Pattern(4, 4, 1));
  const TFastBMP to = Loaded(Pattern(4, 4, 2));
  for (auto [w, h] : {std::pair{5, 4}, std::pair{4, 3}, std::pair{0, 0}}) {
    TFastBMP out(w, h);
    EXPECT_FALSE(Blend(out, to, from, 100));
    EXPECT_FALSE(Blend(out, out, from, 100));
    EXPECT_FALSE(Blend(out, to, out, 100));
    EXPECT_TRUE(std::all_of(out.Bits(), out.Bits() + out.RowSize() * out.Height(), [](auto b) { return b == 0; }));
  }
}

TEST(EffBtnCar, StartsIdleWithAFastTimer) {
  FakeHost host;
  TEffBtnCar effect(&host);
  EXPECT_EQ(effect.Host(), &host);
  EXPECT_FALSE(effect.Running());
  EXPECT_EQ(effect.StartLevel(), 0);
  EXPECT_EQ(effect.Step(), 1);
  EXPECT_EQ(effect.FadeTimer()->Interval(), 1);
  EXPECT_EQ(effect.FadeTimer()->Priority(), TThreadPriority::Highest);
  EXPECT_FALSE(effect.FadeTimer()->Enabled());
  EXPECT_EQ(effect.OutBuffer(), nullptr);
}

TEST(EffBtnCar, FadeTakesAsManyTicksAsTheStepAllows) {
  const QImage from = Filled(5, 3, QColor(0, 255, 40));
  const QImage to = Filled(5, 3, QColor(255, 0, 200));
  struct Case {
    int step, ticks;
  };
  for (const Case c : {Case{4, 64}, Case{3, 86}, Case{1, 256}}) {
    SCOPED_TRACE(c.step);
    FakeHost host;
    TEffBtnCar effect(&host);
    effect.SetStep(c.step);
    effect.StartFade(from, to, QPoint(7, 9));
    EXPECT_TRUE(effect.Running());
    EXPECT_NE(effect.OutBuffer(), nullptr);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !effect.Running(); }));
    EXPECT_EQ(static_cast<int>(host.frames.size()), c.ticks);
    EXPECT_EQ(effect.FadeTimer()->Count(), c.ticks);
    EXPECT_FALSE(effect.FadeTimer()->Enabled());
    EXPECT_EQ(effect.FromBuffer(), nullptr);
    EXPECT_EQ(effect.OutBuffer(), nullptr);
    EXPECT_TRUE(std::all_of(host.corners.begin(), host.corners.end(), [](QPoint p) { return p == QPoint(7, 9); }));
    EXPECT_LE(MaxChannelDifference(host.frames.back(), to), 1);
    // Each frame moves towards To; none jumps back.
    for (std::size_t i = 1; i < host.frames.size(); ++i)
      ASSERT_GE(qRed(host.frames[i].pixel(2, 1)), qRed(host.frames[i - 1].pixel(2, 1))) << i;
  }
}

TEST(EffBtnCar, ReverseFadeContinuesFromTheLevelReached) {
  const QImage normal = Filled(3, 3, QColor(0, 0, 0));
  const QImage hover = Filled(3, 3, QColor(255, 255, 255));
  FakeHost host;
  TEffBtnCar effect(&host);
  effect.SetStep(4);
  effect.StartFade(normal, hover, QPoint(0, 0));
  ASSERT_TRUE(ProcessEventsUntil([&] { return host.frames.size() >= 20; }));
  const int reached = effect.FadeTimer()->Count() * 4;
  const QImage lastForward = host.frames.back();

  effect.StartFade(hover, normal, QPoint(0, 0));
  EXPECT_EQ(effect.StartLevel(), 255 - reached);
  EXPECT_EQ(effect.FadeTimer()->Count(), 0);
  const std::size_t forwardFrames = host.frames.size();
  ASSERT_TRUE(ProcessEventsUntil([&] { return host.frames.size() > forwardFrames; }));
  // One step of 4 levels plus rounding at most; without the reversal it would jump by ~80.
  EXPECT_LE(MaxChannelDifference(host.frames[forwardFrames], lastForward), 6);

  ASSERT_TRUE(ProcessEventsUntil([&] { return !effect.Running(); }));
  EXPECT_LE(MaxChannelDifference(host.frames.back(), normal), 1);
  EXPECT_EQ(static_cast<int>(host.frames.size() - forwardFrames), (reached + 3) / 4 + 1);
}

TEST(EffBtnCar, StopFadeFreesTheBuffersAndDrawsNothingMore) {
  FakeHost host;
  TEffBtnCar effect(&host);
  effect.SetStep(1);
  effect.StartFade(Pattern(4, 4, 1), Pattern(4, 4, 2), QPoint(1, 1));
  ASSERT_TRUE(ProcessEventsUntil([&] { return host.frames.size() >= 3; }));
  effect.StopFade();
  EXPECT_FALSE(effect.Running());
  EXPECT_EQ(effect.StartLevel(), 0);
  EXPECT_FALSE(effect.FadeTimer()->Enabled());
  EXPECT_EQ(effect.FromBuffer(), nullptr);
  EXPECT_EQ(effect.ToBuffer(), nullptr);
  EXPECT_EQ(effect.OutBuffer(), nullptr);
  const std::size_t drawn = host.frames.size();
  ProcessEventsFor(50);
  EXPECT_EQ(host.frames.size(), drawn);
}

TEST(EffBtnCar, HiddenHostGetsNoFramesButTheFadeRuns) {
  FakeHost host;
  host.drawable = false;
  TEffBtnCar effect(&host);
  effect.SetStep(4);
  effect.StartFade(Pattern(4, 2, 1), Pattern(4, 2, 2), QPoint(0, 0));
  ASSERT_TRUE(ProcessEventsUntil([&] { return !effect.Running(); }));
  EXPECT_EQ(effect.FadeTimer()->Count(), 64);
  EXPECT_TRUE(host.frames.empty());
}

TEST(EffBtnCar, PicturesOfDifferentSizesAreNotDrawn) {
  FakeHost host;
  TEffBtnCar effect(&host);
  effect.SetStep(64);
  effect.StartFade(Pattern(4, 2, 1), Pattern(5, 2, 2), QPoint(0, 0));
  ASSERT_TRUE(ProcessEventsUntil([&] { return !effect.Running(); }));
  EXPECT_TRUE(host.frames.empty());
}

TEST(EffBtnCar, DestroyedDuringAFade) {
  FakeHost host;
  auto effect = std::make_unique<TEffBtnCar>(&host);
  effect->StartFade(Pattern(4, 4, 1), Pattern(4, 4, 2), QPoint(0, 0));
  ASSERT_TRUE(ProcessEventsUntil([&] { return host.frames.size() >= 2; }));
  effect.reset();
  const std::size_t drawn = host.frames.size();
  ProcessEventsFor(50);
  EXPECT_EQ(host.frames.size(), drawn);
}
