#pragma once
// Pictures for the skin's author: each screen as the reader will first show it, and a sheet
// with every look of every element.

#include "SkinLayout.h"

#include <QImage>
#include <map>
#include <vector>

struct ElementPictures {
  const SkinElement* element = nullptr;
  std::map<QString, QImage> looks;  // by look name
};

// The screen's background with the up look of each of its elements and their captions, its
// text elements and path boxes, and on screen 0 the first frame of the piston animation.
QImage PreviewScreen(const SkinLayout& layout, int screen, const QImage& background,
                     const std::vector<ElementPictures>& pictures, const QImage& pistonFrame);

// Every look of every element side by side, with captions.
QImage PreviewLooks(const std::vector<ElementPictures>& pictures);
