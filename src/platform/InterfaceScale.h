#pragma once
// How large the skinned windows are drawn for the reader's interface size choice: the factor
// from the skin's own pixels to the screen's.

#include <QSize>

namespace InterfaceScale {

enum TChoice { Automatic = 0, SkinSize = 1, Size1024x768 = 2, Free = 3 };

// "1024x768" over a skin made for 800x600.
constexpr double kLargeFactor = 1.28;
constexpr double kStep = 0.25;
// The share of the screen's available area an automatic choice may fill.
constexpr double kScreenShare = 0.85;

// The largest multiple of kStep at which `skin` fits kScreenShare of `available` in both
// directions, and at least 1.
double AutomaticFactor(QSize skin, QSize available);

// The factors a free size may take, as the reader drags the window.
constexpr double kMinFreeFactor = 0.5;
constexpr double kMaxFreeFactor = 8;

// The factor of a choice (0 ... 3); a free size is the stored one, `freePerMille` thousandths.
double FactorForChoice(int choice, QSize skin, QSize available, int freePerMille = 1000);

// A stored free size in thousandths as a factor: the skin's own size when it is out of range.
double FreeFactor(int perMille);

}  // namespace InterfaceScale
