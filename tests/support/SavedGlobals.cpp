#include "support/SavedGlobals.h"

#include "platform/HostPath.h"

TSavedGlobals::~TSavedGlobals() {
  const QString discRoot = saved_.DiscRootHost;
  Global = saved_;
  // Through the setter, which also forgets the folder listings the test made.
  if (!discRoot.isEmpty()) HostPath::SetDiscRoot(discRoot);
}
