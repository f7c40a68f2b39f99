#pragma once
// The pictures of the popup lists: a panel behind the items and the items' three looks,
// in the dark metal and amber of the skin.

#include "SkinLayout.h"

#include <QImage>
#include <map>

// By part: "fon", "up", "mv" and "dn". The panel's rows between its margins are all alike,
// since the reader repeats its middle row when a list grows.
std::map<QString, QImage> DrawPopupPictures(const SkinPopup& popup);
