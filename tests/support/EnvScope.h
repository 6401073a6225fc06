// Sets (or, with nullopt, unsets) an environment variable for a scope and
// puts back what was there.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace testing_support {

class EnvScope {
 public:
  EnvScope(const char* name, const std::optional<std::string>& value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~EnvScope() {
    if (m_old)
      ::setenv(m_name, m_old->c_str(), 1);
    else
      ::unsetenv(m_name);
  }
  EnvScope(const EnvScope&) = delete;
  EnvScope& operator=(const EnvScope&) = delete;

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

}  // namespace testing_support
