#pragma once
// The book's video clips, drawn frame by frame: the start clip, the car turning in the
// showroom for the 3D view, and the engine clip of the reading screen's clip panel.

#include "SkinLayout.h"

#include <QImage>
#include <vector>

// Where the reader plays the 3D view on screen 0 (left 31, top 135, right 687, bottom 394):
// the car clip's frames are that part of the showroom.
inline const QRect k3dViewArea(QPoint(31, 135), QPoint(686, 393));

constexpr int kIntroFramesPerSecond = 8;
constexpr int kCarFramesPerSecond = 8;
constexpr int kEngineFramesPerSecond = 8;

std::vector<QImage> IntroFrames(const SkinLayout& layout);
// One whole turn; the first frame is the side view the still picture shows.
std::vector<QImage> TurningCarFrames(const SkinLayout& layout);
// The piston's cycle three times over, sized for the clip panel.
std::vector<QImage> EngineFrames(QSize size);
