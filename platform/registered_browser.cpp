// GIO's default application for text/html, loaded on first use. This file includes no Qt
// header: GLib's headers use `signals` as a name, which Qt defines as a keyword.
#include "platform/registered_browser.h"

#include <dlfcn.h>
#include <gio/gio.h>

namespace astrivo {
namespace {

constexpr const char* kGioLibrary = "libgio-2.0.so.0";
constexpr const char* kWebPageType = "text/html";

// The few GIO and GLib functions the launch needs, resolved once. All null when the library
// or any of them is missing.
struct Gio {
  decltype(&g_app_info_get_default_for_type) defaultForType = nullptr;
  decltype(&g_app_info_launch_uris_async) launchUrisAsync = nullptr;
  decltype(&g_object_unref) unref = nullptr;

  bool Loaded() const { return defaultForType && launchUrisAsync && unref; }
};

template <typename Function>
void Resolve(void* library, const char* name, Function& function) {
  // dlsym hands back an object pointer for what is a function; POSIX guarantees the two
  // convert.
  function = reinterpret_cast<Function>(dlsym(library, name));
}

Gio LoadGio() {
  Gio gio;
  // Kept open for the life of the process: GIO keeps threads and caches of its own.
  void* library = dlopen(kGioLibrary, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return gio;
  Resolve(library, "g_app_info_get_default_for_type", gio.defaultForType);
  Resolve(library, "g_app_info_launch_uris_async", gio.launchUrisAsync);
  Resolve(library, "g_object_unref", gio.unref);
  return gio;
}

}  // namespace

bool LaunchRegisteredBrowser(const std::string& url) {
  static const Gio gio = LoadGio();
  if (!gio.Loaded()) return false;
  GAppInfo* browser = gio.defaultForType(kWebPageType, FALSE);
  if (browser == nullptr) return false;
  // A one-node list on the stack: GIO only reads it during the call.
  char* uri = const_cast<char*>(url.c_str());  // GList holds non-const data; GIO copies it
  GList uris{uri, nullptr, nullptr};
  // The launch runs in GLib's main context, which Qt's event loop drives; the task keeps its
  // own reference to the application, and its outcome is not reported to anyone.
  gio.launchUrisAsync(browser, &uris, nullptr, nullptr, nullptr, nullptr);
  gio.unref(browser);
  return true;
}

}  // namespace astrivo
