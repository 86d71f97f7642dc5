// The installed implementation of an interface: the one slot every platform service of the
// program goes through (the animation clock's platform, the menu presenter, the web browser,
// the image writer, ...).
//
// The program installs the platform's implementation at start for the whole process; tests
// install fakes. Nothing is owned, and the slot is empty (null) while none is installed. The
// slots are used from the user-interface thread only.
#pragma once

namespace scene {

// What a service does when its implementation changes, before the new one is in place; by
// default nothing. A service that holds something made by the old implementation specialises
// it (the animation clock drops its timer).
template <class I>
struct TServiceChange {
  static void Before(I* /*old*/, I* /*next*/) {}
};

template <class I>
class TService {
 public:
  // The installed implementation, or null.
  static I* Get() { return FInstalled; }
  // Null uninstalls.
  static void Install(I* implementation) {
    if (implementation == FInstalled) return;
    TServiceChange<I>::Before(FInstalled, implementation);
    FInstalled = implementation;
  }

 private:
  static inline I* FInstalled = nullptr;
};

// Installs an implementation for the lifetime of a scope and uninstalls it at the end.
template <class I>
class TServiceInstallation {
 public:
  explicit TServiceInstallation(I& implementation) { TService<I>::Install(&implementation); }
  ~TServiceInstallation() { TService<I>::Install(nullptr); }
  TServiceInstallation(const TServiceInstallation&) = delete;
  TServiceInstallation& operator=(const TServiceInstallation&) = delete;
};

}  // namespace scene
