#pragma once
// The frames of "piston.gif": a cut-away cylinder whose piston runs up and down on its
// crank, with a spark at the top of the stroke.

#include <QImage>
#include <vector>

QSize PistonFrameSize();
std::vector<QImage> PistonFrames();
constexpr int kPistonFrameDelay = 8;  // hundredths of a second
