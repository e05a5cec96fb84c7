#pragma once
// Test helpers for what an ordinary user meets: a child process without any privilege
// (the tests may run as root, which passes permission checks and exclusive opens), and
// the text written to stderr while something runs.
#include <fcntl.h>
#include <linux/capability.h>
#include <signal.h>
#include <stdio.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "BoundedWait.h"

// Runs `body` in a child process that has dropped every capability, and returns its result
// (the child's exit code; -1 when it did not end normally within the wait limit).
inline int RunUnprivileged(const std::function<int()>& body) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3]{};
    if (::syscall(SYS_capset, &header, none) != 0) ::_exit(125);
    const int result = body();
    std::fflush(nullptr);
    ::_exit(result);
  }
  const auto limit = std::chrono::steady_clock::now() + kWaitLimit;
  int status = 0;
  while (::waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > limit) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      return -1;
    }
    std::this_thread::yield();
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What `body` writes to stderr (which shows nothing meanwhile).
inline std::string StderrOf(const std::function<void()>& body) {
  std::fflush(stderr);
  FILE* capture = std::tmpfile();
  if (!capture) return "(no capture)";
  const int saved = ::dup(STDERR_FILENO);
  ::dup2(::fileno(capture), STDERR_FILENO);
  body();
  std::fflush(stderr);
  ::dup2(saved, STDERR_FILENO);
  ::close(saved);
  std::string text;
  std::rewind(capture);
  char buf[512];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, capture)) > 0;) text.append(buf, n);
  std::fclose(capture);
  return text;
}
