// Test helper: file modes are checked against a user without root's rights while a scope lasts.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

// Root passes every mode check, so a root process takes on the effective ids of "nobody" until
// the scope ends (Hand() first gives it the test's files); any other user keeps its own ids,
// under which modes are enforced already. Active() is false when the switch failed, and the
// test should be skipped.
class OtherUser {
 public:
  static constexpr uid_t kNobody = 65534;

  OtherUser() : switched_(geteuid() == 0) {
    if (switched_) active_ = setegid(kNobody) == 0 && seteuid(kNobody) == 0;
  }
  ~OtherUser() {
    if (switched_) {
      [[maybe_unused]] const int user = seteuid(0);
      [[maybe_unused]] const int group = setegid(0);
    }
  }
  OtherUser(const OtherUser&) = delete;
  OtherUser& operator=(const OtherUser&) = delete;

  bool Active() const { return active_; }

  // Makes `folder` and everything in it the other user's, so that only the modes decide. Called
  // before the switch.
  static void Hand(const std::filesystem::path& folder) {
    if (geteuid() != 0) return;
    std::error_code error;
    [[maybe_unused]] int ignored = chown(folder.c_str(), kNobody, kNobody);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error))
      ignored = lchown(entry.path().c_str(), kNobody, kNobody);
  }

 private:
  bool switched_ = false;
  bool active_ = true;
};
