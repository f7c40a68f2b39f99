#pragma once
// The wiring diagram of the headlight circuit: battery, fuse box, switch, relay and lamps,
// with numbered wires. Larger than a picture window's screen share, as such schemes are.

#include <QImage>

QImage DrawWiringScheme(QSize size);
