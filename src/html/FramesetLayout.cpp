#include "html/FramesetLayout.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <numeric>

namespace {

enum class Unit { Pixels, Percent, Share };

struct Part {
  Unit unit = Unit::Share;
  double value = 1;
};

std::vector<Part> ParseSizeList(const std::string& list) {
  std::vector<Part> parts;
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    std::string item = list.substr(start, comma - start);
    item.erase(std::remove_if(item.begin(), item.end(), [](unsigned char c) { return std::isspace(c); }), item.end());
    Part part;
    const double number = std::atof(item.c_str());
    if (!item.empty() && item.back() == '*') {
      part = {Unit::Share, item.size() > 1 && number > 0 ? number : 1};
    } else if (!item.empty() && item.back() == '%') {
      part = {Unit::Percent, std::max(0.0, number)};
    } else {
      part = {Unit::Pixels, std::max(0.0, number)};
    }
    parts.push_back(part);
    start = comma + 1;
  }
  return parts;
}

}  // namespace

std::vector<int> FramesetSizes(const std::string& list, int total) {
  total = std::max(total, 0);
  std::vector<Part> parts = ParseSizeList(list);
  if (parts.empty()) return {total};

  std::vector<double> sizes(parts.size(), 0);
  double fixed = 0, shares = 0;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (parts[i].unit == Unit::Pixels) sizes[i] = parts[i].value;
    if (parts[i].unit == Unit::Percent) sizes[i] = parts[i].value * total / 100.0;
    if (parts[i].unit == Unit::Share) shares += parts[i].value;
    fixed += sizes[i];
  }
  if (fixed > total) {
    for (double& size : sizes) size = fixed > 0 ? size * total / fixed : 0;
  } else if (shares > 0) {
    for (size_t i = 0; i < parts.size(); ++i)
      if (parts[i].unit == Unit::Share) sizes[i] = (total - fixed) * parts[i].value / shares;
  } else if (fixed > 0) {
    for (double& size : sizes) size = size * total / fixed;
  } else {
    for (double& size : sizes) size = static_cast<double>(total) / static_cast<double>(sizes.size());
  }

  // Round so that the parts add up to the total exactly.
  std::vector<int> result(sizes.size());
  double edge = 0;
  int previous = 0;
  for (size_t i = 0; i < sizes.size(); ++i) {
    edge += sizes[i];
    const int rounded = i + 1 == sizes.size() ? total : std::clamp(static_cast<int>(edge + 0.5), previous, total);
    result[i] = rounded - previous;
    previous = rounded;
  }
  return result;
}
