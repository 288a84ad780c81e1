// A timerfd on CLOCK_REALTIME set for the next local midnight as an absolute time: the kernel
// fires it on time across a suspend (a monotonic timer would stop while the machine sleeps),
// and cancels it when the clock is set, which the next read reports as ECANCELED. The zone is
// watched through its folder, because a zone change replaces the /etc/localtime link rather
// than writing to it.
#include "platform/date_change_watch.h"

#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>

#include <QSocketNotifier>

namespace astrivo {
namespace {

constexpr const char* kZoneFolder = "/etc";
constexpr const char* kZoneFile = "localtime";

// The wall-clock time of the next local midnight; mktime handles month ends and a day that
// is 23 or 25 hours long.
std::time_t NextMidnight() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return now + 24 * 60 * 60;
  local.tm_mday += 1;
  local.tm_hour = 0;
  local.tm_min = 0;
  local.tm_sec = 0;
  local.tm_isdst = -1;
  const std::time_t midnight = std::mktime(&local);
  return midnight > now ? midnight : now + 24 * 60 * 60;
}

}  // namespace

DateChangeWatch::DateChangeWatch(QObject* parent) : QObject(parent) {
  timer_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
  if (timer_ >= 0) {
    timerNotifier_ = new QSocketNotifier(timer_, QSocketNotifier::Read, this);
    connect(timerNotifier_, &QSocketNotifier::activated, this, &DateChangeWatch::OnTimer);
    ArmForNextMidnight();
  }
  zoneWatch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (zoneWatch_ >= 0 &&
      inotify_add_watch(zoneWatch_, kZoneFolder,
                        IN_CREATE | IN_MOVED_TO | IN_CLOSE_WRITE | IN_ONLYDIR) < 0) {
    close(zoneWatch_);
    zoneWatch_ = -1;
  }
  if (zoneWatch_ >= 0) {
    zoneNotifier_ = new QSocketNotifier(zoneWatch_, QSocketNotifier::Read, this);
    connect(zoneNotifier_, &QSocketNotifier::activated, this, &DateChangeWatch::OnZoneFolder);
  }
}

DateChangeWatch::~DateChangeWatch() {
  // The notifiers, children of this object, go after the descriptors; they must not watch a
  // closed one.
  delete timerNotifier_;
  delete zoneNotifier_;
  if (timer_ >= 0) close(timer_);
  if (zoneWatch_ >= 0) close(zoneWatch_);
}

void DateChangeWatch::ArmForNextMidnight() {
  itimerspec when{};
  when.it_value.tv_sec = NextMidnight();
  timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
}

void DateChangeWatch::OnTimer() {
  // Either the expiry count, or ECANCELED when the clock was set; both mean a new look.
  std::uint64_t expiries = 0;
  if (read(timer_, &expiries, sizeof expiries) < 0 && errno == EAGAIN) return;
  ArmForNextMidnight();
  emit Changed();
}

void DateChangeWatch::OnZoneFolder() {
  alignas(inotify_event) char buffer[4096];
  bool zone = false;
  ssize_t length = 0;
  while ((length = read(zoneWatch_, buffer, sizeof buffer)) > 0) {
    for (ssize_t at = 0; at < length;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      if (event->len > 0 && std::strcmp(event->name, kZoneFile) == 0) zone = true;
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  if (!zone) return;
  // The C library reads the zone file once; the new zone applies from the next tzset.
  tzset();
  ArmForNextMidnight();
  emit Changed();
}

}  // namespace astrivo
