// Mesa's software rasteriser (llvmpipe) bins each frame into memory that it allocates while
// the frame is drawn and frees once the frame is shown. By default glibc hands the freed top of
// the heap back to the system as soon as it exceeds 128 KiB, so the next frame faults the same
// pages in again and the kernel zeroes them: tens of page faults a frame, which on a virtual
// machine cost about as much as drawing the sky. Keeping a few MiB at the top of the heap lets
// every frame reuse the last one's pages.
#include "view/frame_memory.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace astrivo {
namespace {

constexpr int kKeptTopOfHeap = 4 << 20;  // bytes: more than one frame's binning needs

}  // namespace

void KeepFrameMemoryForReuse() {
#if defined(M_TRIM_THRESHOLD)
  mallopt(M_TRIM_THRESHOLD, kKeptTopOfHeap);
#endif
}

void ReturnFreedMemory() {
#if defined(M_TRIM_THRESHOLD)
  malloc_trim(0);
#endif
}

}  // namespace astrivo
