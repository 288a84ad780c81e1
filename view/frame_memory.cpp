// Mesa's software rasteriser (llvmpipe) bins every frame into memory it allocates while the
// frame is drawn and frees once the frame is on screen. glibc hands the freed top of the heap
// back to the system as soon as it exceeds 128 KiB, so the next frame faults the same pages
// in again, zeroed by the kernel: about 70 page faults a frame, which cost more than drawing
// the sky itself on a virtual machine. A few MiB kept free at the top of the heap is reused
// frame after frame.
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
