// Trail: a fixed ring of sight points; PushFront overwrites the oldest slot once full.
#include "sky/trail.h"

namespace astrivo {

void Trail::PushFront(const Vec3& point) {
  newest_ = (newest_ + kCapacity - 1) % kCapacity;
  points_[newest_] = point;
  if (count_ < kCapacity) ++count_;
}

void Trail::Clear() {
  count_ = 0;
  newest_ = 0;
}

const Vec3* Trail::At(int k) const {
  if (k < 0 || k >= count_) return nullptr;
  return &points_[(newest_ + k) % kCapacity];
}

}  // namespace astrivo
