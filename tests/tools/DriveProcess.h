#pragma once
// The session runner as a child process: commands written to its standard input as the session
// goes, its standard output read line by line with a deadline, its standard error kept in a file.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace pw::testing {

class DriveProcess {
 public:
  enum class Read { kLine, kEnd, kTimeout };

  // Leak reports stay on; the list of suppressions that matched is not printed.
  DriveProcess(const std::string& program, const std::vector<std::string>& args,
               std::filesystem::path stderrFile)
      : stderrFile_(std::move(stderrFile)) {
    ::signal(SIGPIPE, SIG_IGN);
    int in[2];
    int out[2];
    if (::pipe2(in, O_CLOEXEC) != 0) return;
    if (::pipe2(out, O_CLOEXEC) != 0) {
      ::close(in[0]);
      ::close(in[1]);
      return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, stderrFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStrings) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStrings;
    std::string lsan = "LSAN_OPTIONS=print_suppressions=0";
    for (char** e = environ; *e != nullptr; ++e) {
      if (std::strncmp(*e, "LSAN_OPTIONS=", 13) == 0) {
        lsan = std::string(*e) + ":print_suppressions=0";
      } else {
        envStrings.emplace_back(*e);
      }
    }
    envStrings.push_back(lsan);
    std::vector<char*> envp;
    for (std::string& entry : envStrings) envp.push_back(entry.data());
    envp.push_back(nullptr);
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) {
      pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    input_ = in[1];
    output_ = out[0];
  }

  ~DriveProcess() {
    CloseInput();
    if (output_ >= 0) ::close(output_);
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  DriveProcess(const DriveProcess&) = delete;
  DriveProcess& operator=(const DriveProcess&) = delete;

  bool Started() const { return pid_ > 0; }

  // False once the runner no longer reads.
  bool Send(std::string_view text) {
    while (!text.empty() && input_ >= 0) {
      const ssize_t n = ::write(input_, text.data(), text.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      text.remove_prefix(static_cast<std::size_t>(n));
    }
    return input_ >= 0;
  }

  void CloseInput() {
    if (input_ >= 0) ::close(input_);
    input_ = -1;
  }

  // The next line without its newline.
  Read ReadLine(std::string& line, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
      if (const auto newline = buffer_.find('\n'); newline != std::string::npos) {
        line = buffer_.substr(0, newline);
        buffer_.erase(0, newline + 1);
        return Read::kLine;
      }
      if (output_ < 0) {
        if (buffer_.empty()) return Read::kEnd;
        line = std::exchange(buffer_, {});
        return Read::kLine;
      }
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return Read::kTimeout;
      pollfd fd{output_, POLLIN, 0};
      const int ready = ::poll(&fd, 1, static_cast<int>(left.count()));
      if (ready < 0 && errno == EINTR) continue;
      if (ready == 0) return Read::kTimeout;
      char chunk[65536];
      const ssize_t n = ::read(output_, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ::close(output_);
        output_ = -1;
        continue;
      }
      buffer_.append(chunk, static_cast<std::size_t>(n));
    }
  }

  // The exit code (128 + N for signal N), or nothing when the process is still running at the
  // deadline; it is then killed.
  std::optional<int> Wait(std::chrono::milliseconds timeout) {
    if (pid_ <= 0) return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
      int status = 0;
      const pid_t done = ::waitpid(pid_, &status, WNOHANG);
      if (done == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      if (std::chrono::steady_clock::now() >= deadline) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
        return std::nullopt;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  std::string Stderr() const {
    std::ifstream in(stderrFile_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  std::filesystem::path stderrFile_;
  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string buffer_;
};

}  // namespace pw::testing
