// How the process keeps the memory a software-rendered frame allocates and frees.
#pragma once

namespace astrivo {

// Keeps freed heap memory for reuse instead of handing it back to the system after each
// frame. A process-wide setting: the program's main() makes it before anything else. Does
// nothing where the C library has no such setting.
void KeepFrameMemoryForReuse();

// Hands the heap's free pages back to the system (start-up's temporary buffers), so that the
// first frame's shader compiles do not add to them. Does nothing where there is no such call.
void ReturnFreedMemory();

}  // namespace astrivo
