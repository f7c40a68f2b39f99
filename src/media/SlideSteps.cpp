#include "media/SlideSteps.h"

#include <QRandomGenerator>

std::optional<int> NextSlide(int index, int count) {
  if (count <= 0) return std::nullopt;
  return index + 1 >= count || index + 1 < 0 ? 0 : index + 1;
}

std::optional<int> PreviousSlide(int index, int count) {
  if (count <= 0) return std::nullopt;
  return index - 1 < 0 || index - 1 >= count ? count - 1 : index - 1;
}

std::optional<int> RandomSlide(int count) {
  if (count <= 0) return std::nullopt;
  return static_cast<int>(QRandomGenerator::global()->bounded(count));
}
