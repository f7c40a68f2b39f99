#include "platform/InterfaceScale.h"

#include <algorithm>
#include <cmath>

namespace InterfaceScale {

double AutomaticFactor(QSize skin, QSize available) {
  if (skin.isEmpty() || available.isEmpty()) return 1;
  const double fit =
      std::min(available.width() * kScreenShare / skin.width(), available.height() * kScreenShare / skin.height());
  // A fit of exactly a step is not lost to rounding.
  return std::max(1.0, std::floor(fit / kStep + 1e-9) * kStep);
}

double FactorForChoice(int choice, QSize skin, QSize available, int freePerMille) {
  switch (choice) {
    case Automatic: return AutomaticFactor(skin, available);
    case Size1024x768: return kLargeFactor;
    case Free: return FreeFactor(freePerMille);
    default: return 1;
  }
}

double FreeFactor(int perMille) {
  const double factor = perMille / 1000.0;
  return factor >= kMinFreeFactor && factor <= kMaxFreeFactor ? factor : 1;
}

}  // namespace InterfaceScale
