#include "document/ImageTipRules.h"

bool TImageTipState::MouseMove(const TTipObject& under, bool timerRunning) {
  if (!under.present) {
    hasRemembered_ = false;
    remembered_.clear();
    return false;
  }
  const bool other = !hasRemembered_ || under.id != remembered_;
  if (!under.image || !other || timerRunning || under.title.isEmpty()) return false;
  counter_ = 0;
  return true;
}

TImageTipState::TStep TImageTipState::Tick(const TTipObject& under) {
  ++counter_;
  if (!under.present) {
    hasRemembered_ = false;
    remembered_.clear();
    return Hide();
  }
  if (counter_ >= kHideTick) return Hide();
  const bool same = hasRemembered_ && under.id == remembered_;
  if (counter_ < kShowTick || (showing_ && same) || !under.image) return TStep::Nothing;
  if (under.title.isEmpty()) return Hide();
  if (!same) {
    counter_ = kShowTick;
    remembered_ = under.id;
    hasRemembered_ = true;
  }
  showing_ = true;
  return TStep::Show;
}

TImageTipState::TStep TImageTipState::Hide() {
  showing_ = false;
  return TStep::Hide;
}
