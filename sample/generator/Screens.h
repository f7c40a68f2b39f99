#pragma once
// The background pictures of the two screens.

#include "SkinLayout.h"

#include <QImage>

// Screen 0: the title, a car in its showroom, dials, the contents list and the engine whose
// cylinder shows the piston animation.
QImage DrawTitleScreen(const SkinLayout& layout);

// Screen 1: toolbar, the framed page pane, its tabs and title bar below it, the status strip.
QImage DrawReaderScreen(const SkinLayout& layout);

// Rectangle of the piston animation's cylinder on screen 0.
QRect PistonWindow(const SkinLayout& layout);
