#pragma once
// Qt's scale factor for the screens, changed while windows show.

namespace ScreenFactor {

// Every screen's factor becomes `factor`, on top of the process's own. Windows keep their
// logical geometry; each needs its size given again for its screen pixels to follow.
void SetForAllScreens(double factor);

}  // namespace ScreenFactor
