// Preloaded into a program under measurement (LD_PRELOAD): the first buffer swap of any GL
// window, GLX or EGL, is its first frame on screen. It writes the wall-clock time and the peak
// resident memory (VmHWM) at that moment to the file named by FIRST_FRAME_REPORT and ends the
// process at once, so the program measured carries no measurement code of its own.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

long PeakResidentKib() {
  char text[4096];
  const int fd = open("/proc/self/status", O_RDONLY);
  if (fd < 0) return -1;
  const ssize_t length = read(fd, text, sizeof text - 1);
  close(fd);
  if (length <= 0) return -1;
  text[length] = '\0';
  const char* line = std::strstr(text, "VmHWM:");
  return line != nullptr ? std::strtol(line + 6, nullptr, 10) : -1;
}

[[noreturn]] void ReportAndExit() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const long peak = PeakResidentKib();
  if (const char* path = std::getenv("FIRST_FRAME_REPORT")) {
    char line[128];
    const int n =
        std::snprintf(line, sizeof line, "first-frame-ns %lld vmhwm-kib %ld\n",
                      static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec, peak);
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
      const bool written = write(fd, line, static_cast<size_t>(n)) == n;
      close(fd);
      if (!written) _exit(3);
    }
  }
  _exit(0);  // no destructors, no further frames: the measurement ends here
}

template <typename Function>
Function Next(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

void glXSwapBuffers(void* display, unsigned long drawable) {
  using Swap = void (*)(void*, unsigned long);
  if (const Swap swap = Next<Swap>("glXSwapBuffers")) swap(display, drawable);
  ReportAndExit();
}

unsigned int eglSwapBuffers(void* display, void* surface) {
  using Swap = unsigned int (*)(void*, void*);
  if (const Swap swap = Next<Swap>("eglSwapBuffers")) swap(display, surface);
  ReportAndExit();
}

}  // extern "C"
