#pragma once
// The background pictures of the two screens.

#include "SkinLayout.h"

#include <QImage>

// Screen 0: the title, a car in its showroom, dials, the contents list and the engine whose
// cylinder shows the piston animation.
QImage DrawTitleScreen(const SkinLayout& layout);

// Screen 1: toolbar, the framed page pane, its tabs and title bar below it, the status strip.
QImage DrawReaderScreen(const SkinLayout& layout);

// The part `area` of screen 0's showroom with the car turned by `carAngle` (radians; 0 is the
// side view the screen shows): the frames of the 3D view's clip.
QImage DrawShowroomFrame(const SkinLayout& layout, double carAngle, const QRect& area);

// Rectangle of the piston animation's cylinder on screen 0.
QRect PistonWindow(const SkinLayout& layout);
