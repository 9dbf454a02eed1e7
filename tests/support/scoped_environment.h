#pragma once

#include <stdlib.h>
#include <time.h>

#include <optional>
#include <string>

namespace tarnwick::testing {

// Sets an environment variable for the object's lifetime and then restores
// it. The C library reads TZ again at once, so that local times follow.
class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) saved_ = old;
    setenv(name_.c_str(), value.c_str(), 1);
    tzset();
  }
  ~ScopedEnvironment() {
    if (saved_) {
      setenv(name_.c_str(), saved_->c_str(), 1);
    } else {
      unsetenv(name_.c_str());
    }
    tzset();
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::string name_;
  std::optional<std::string> saved_;
};

}  // namespace tarnwick::testing
