// The last 200 sight directions of a planet, newest first, in a fixed ring so that an update
// never touches the heap.
#pragma once

#include <array>

#include "sky/vec3.h"

namespace astrivo {

class Trail {
 public:
  static constexpr int kCapacity = 200;

  // Puts a point in front; once full, the oldest point drops off the end.
  void PushFront(const Vec3& point);
  void Clear();
  int Count() const { return count_; }
  // k = 0 is the newest point; null outside 0..Count()-1.
  const Vec3* At(int k) const;

 private:
  std::array<Vec3, kCapacity> points_{};
  int newest_ = 0;  // slot of the newest point
  int count_ = 0;
};

}  // namespace astrivo
