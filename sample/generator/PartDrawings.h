#pragma once
// Pictures of car parts for the book's pages: simple shapes, soft shading, a light ground.

#include <QImage>

// Front view: ventilated disc, hub with five studs, the caliper over its edge.
QImage DrawBrakeDisc(int side);
// Side view, terminal up: insulator, hexagon, thread and the electrode gap.
QImage DrawSparkPlug(QSize size);
// A 12-volt battery seen from the front and a little from above.
QImage DrawBattery(QSize size);
// A spin-on oil filter.
QImage DrawOilFilter(QSize size);
