#include "RealProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>

extern char** environ;

namespace real_program {

std::vector<std::string> EnvironmentWith(std::vector<std::string> entries) {
  const auto replaced = [](const std::string& entry) {
    for (const char* name : {"QT_QPA_PLATFORM=", "XDG_RUNTIME_DIR=", "HOME=", "XDG_CONFIG_HOME=", "XDG_CACHE_HOME=",
                             "TMPDIR="})
      if (entry.rfind(name, 0) == 0) return true;
    return false;
  };
  for (char** e = environ; *e; ++e)
    if (!replaced(*e)) entries.push_back(*e);
  entries.push_back("QT_QPA_PLATFORM=offscreen");
  return entries;
}

pid_t StartProgramIn(const testing_support::TempDir& folder, const std::vector<std::string>& env, Output output,
                     int pipe) {
  const std::string program = folder.File("vekframe");
  std::error_code ec;
  if (!std::filesystem::exists(program)) std::filesystem::create_hard_link(VEK_PROGRAM_PATH, program, ec);
  if (ec) std::filesystem::copy_file(VEK_PROGRAM_PATH, program, ec);
  if (ec) return -1;
  std::vector<char*> argv = {const_cast<char*>(program.c_str()), nullptr};
  std::vector<char*> envp;
  for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    // An ignored signal would stay ignored through execve.
    for (const int signal : {SIGPIPE, SIGTERM, SIGHUP, SIGINT}) ::signal(signal, SIG_DFL);
    if (output == Output::kClosed) {
      ::close(STDOUT_FILENO);
      ::close(STDERR_FILENO);
    } else {
      const int null = ::open("/dev/null", O_RDWR);
      ::dup2(output == Output::kGone ? pipe : null, STDOUT_FILENO);
      if (output != Output::kUsual) ::dup2(output == Output::kGone ? pipe : null, STDERR_FILENO);
    }
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  return pid;
}

}  // namespace real_program
