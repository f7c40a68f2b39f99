#pragma once
// How long a slide shows, as the settings dialog's label reads it: "1 секунда", "3 секунды",
// "5 секунд".

#include <QString>

QString SecondsText(int seconds);
