#include "Palette.h"

#include <algorithm>
#include <map>

namespace {

struct Box {
  std::vector<QRgb> pixels;
  int channel = 0;  // 0 red, 1 green, 2 blue: the widest one
  int range = 0;
};

int Channel(QRgb c, int channel) { return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c); }

void Measure(Box& box) {
  box.range = -1;
  for (int ch = 0; ch < 3; ++ch) {
    int lo = 255, hi = 0;
    for (QRgb c : box.pixels) {
      lo = std::min(lo, Channel(c, ch));
      hi = std::max(hi, Channel(c, ch));
    }
    if (hi - lo > box.range) {
      box.range = hi - lo;
      box.channel = ch;
    }
  }
}

QRgb Average(const Box& box) {
  long long r = 0, g = 0, b = 0;
  for (QRgb c : box.pixels) {
    r += qRed(c);
    g += qGreen(c);
    b += qBlue(c);
  }
  const long long n = static_cast<long long>(box.pixels.size());
  return qRgb(static_cast<int>((r + n / 2) / n), static_cast<int>((g + n / 2) / n), static_cast<int>((b + n / 2) / n));
}

}  // namespace

QList<QRgb> MedianCutPalette(const std::vector<QImage>& images, int maxColors) {
  Box all;
  for (const QImage& image : images) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
      for (int x = 0; x < rgb.width(); ++x) all.pixels.push_back(line[x] | 0xff000000u);
    }
  }
  std::vector<Box> boxes;
  if (all.pixels.empty()) return {qRgb(0, 0, 0)};
  Measure(all);
  boxes.push_back(std::move(all));
  while (static_cast<int>(boxes.size()) < maxColors) {
    auto widest =
        std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.range < b.range; });
    if (widest->range <= 0) break;
    Box& box = *widest;
    const int ch = box.channel;
    // Sort fully (ties by whole value) so the split does not depend on the library.
    std::sort(box.pixels.begin(), box.pixels.end(), [ch](QRgb a, QRgb b) {
      const int ca = Channel(a, ch), cb = Channel(b, ch);
      return ca != cb ? ca < cb : a < b;
    });
    size_t mid = box.pixels.size() / 2;
    // Keep equal values on one side so neither half is empty.
    while (mid > 0 && Channel(box.pixels[mid - 1], ch) == Channel(box.pixels[mid], ch)) --mid;
    if (mid == 0) {
      mid = box.pixels.size() / 2;
      while (mid < box.pixels.size() && Channel(box.pixels[mid - 1], ch) == Channel(box.pixels[mid], ch)) ++mid;
    }
    Box upper;
    upper.pixels.assign(box.pixels.begin() + static_cast<std::ptrdiff_t>(mid), box.pixels.end());
    box.pixels.resize(mid);
    Measure(box);
    Measure(upper);
    boxes.push_back(std::move(upper));
  }
  QList<QRgb> palette;
  for (const Box& box : boxes) palette.append(Average(box));
  return palette;
}

std::vector<uint8_t> MapToPalette(const QImage& image, const QList<QRgb>& palette) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::vector<uint8_t> indexes;
  indexes.reserve(static_cast<size_t>(rgb.width()) * rgb.height());
  std::map<QRgb, uint8_t> cache;
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const QRgb c = line[x] | 0xff000000u;
      auto found = cache.find(c);
      if (found == cache.end()) {
        int best = 0, bestDistance = 1 << 30;
        for (int i = 0; i < palette.size(); ++i) {
          const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                    db = qBlue(c) - qBlue(palette[i]);
          const int d = dr * dr + dg * dg + db * db;
          if (d < bestDistance) {
            bestDistance = d;
            best = i;
          }
        }
        found = cache.emplace(c, static_cast<uint8_t>(best)).first;
      }
      indexes.push_back(found->second);
    }
  }
  return indexes;
}
