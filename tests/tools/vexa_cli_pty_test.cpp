// vexa-cli in a real pseudo-terminal (80 x 24), started in a session of its
// own as a login shell would start it: what the screen shows after typing
// at the device, and the terminal's modes put back however the program ends.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

class PtyProgram {
 public:
  PtyProgram() {
    struct winsize size = {24, 80, 0, 0};
    if (openpty(&master_, &slave_, nullptr, nullptr, &size) != 0) return;
    tcgetattr(slave_, &before_);
    pid_ = fork();
    if (pid_ == 0) {
      setsid();
      ioctl(slave_, TIOCSCTTY, 0);
      for (int fd = 0; fd < 3; ++fd) dup2(slave_, fd);
      close(master_);
      close(slave_);
      execl(VEXA_BIN_DIR "vexa-cli", "vexa-cli", static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~PtyProgram() {
    if (pid_ > 0 && status_ < 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close(master_);
    close(slave_);
  }

  pid_t pid() const { return pid_; }
  // Writes the keys in pieces, reading the screen in between so that
  // neither side waits for the other.
  void type(const std::string& keys) {
    mark_ = output_.size();
    for (std::size_t at = 0; at < keys.size(); at += 256) {
      const std::string piece = keys.substr(at, 256);
      ASSERT_EQ(write(master_, piece.data(), piece.size()), static_cast<ssize_t>(piece.size()));
      while (drain(5)) {
      }
    }
  }
  // Reads until text appears in what came after the last typing (10 s at most).
  bool waitFor(const std::string& text) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (output_.find(text, mark_) == std::string::npos) {
      if (std::chrono::steady_clock::now() > end) return false;
      drain(100);
    }
    return true;
  }
  // The exit status once the program has ended (10 s at most), else -1.
  int exitStatus() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int raw = 0;
    while (waitpid(pid_, &raw, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > end) return -1;
      drain(50);
    }
    status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 1000 + WTERMSIG(raw);
    return status_;
  }
  // Whether the terminal's modes are those it had before the program started.
  bool modesAsBefore() const {
    const struct termios now = modes();
    return now.c_iflag == before_.c_iflag && now.c_oflag == before_.c_oflag &&
           now.c_lflag == before_.c_lflag && now.c_cflag == before_.c_cflag &&
           now.c_cc[VMIN] == before_.c_cc[VMIN] && now.c_cc[VTIME] == before_.c_cc[VTIME];
  }
  struct termios modes() const {
    struct termios now = {};
    tcgetattr(slave_, &now);
    return now;
  }
  const std::string& output() const { return output_; }
  // The screen's rows as a terminal draws the output (wrapping at 80).
  std::vector<std::string> screen() const {
    std::vector<std::string> rows(1);
    std::size_t col = 0;
    for (char c : output_) {
      if (c == '\r') {
        col = 0;
      } else if (c == '\n') {
        rows.emplace_back();
      } else if (c == '\b') {
        col -= col > 0 ? 1 : 0;
      } else if (c == '\t') {
        col = (col / 8 + 1) * 8;
      } else if (c != '\a') {
        if (col == 80) {
          rows.emplace_back();
          col = 0;
        }
        if (rows.back().size() <= col) rows.back().resize(col + 1, ' ');
        rows.back()[col++] = c;
      }
    }
    return rows;
  }

 private:
  // Reads what the program wrote within timeoutMs; false when nothing came.
  bool drain(int timeoutMs) {
    struct pollfd entry = {master_, POLLIN, 0};
    if (poll(&entry, 1, timeoutMs) <= 0) return false;
    char buffer[4096];
    const ssize_t n = read(master_, buffer, sizeof buffer);
    if (n > 0) output_.append(buffer, static_cast<std::size_t>(n));
    return n > 0;
  }

  int master_ = -1, slave_ = -1;
  pid_t pid_ = -1;
  int status_ = -1;
  struct termios before_ = {};
  std::string output_;
  std::size_t mark_ = 0;
};

TEST(VexaCliPtyTest, HelpAndCompletionOnScreenAndTheModesRestoredAtExit) {
  PtyProgram cli;
  ASSERT_TRUE(cli.waitFor("branch-rtr1>")) << cli.output();
  EXPECT_EQ(cli.modes().c_lflag & (ICANON | ECHO | ISIG), 0u) << "raw mode while it runs";
  const char* steps[][2] = {{"enable\r", "branch-rtr1#"},
                            {"configure terminal\r", "(config)#"},
                            {"interface GigabitEthernet0/1\r", "(config-if)#"},
                            {"?", "\r\nbranch-rtr1(config-if)#"},
                            {"desc\t", "#description "}};
  for (const auto& step : steps) {
    cli.type(step[0]);
    ASSERT_TRUE(cli.waitFor(step[1])) << step[0] << "\n" << cli.output();
  }
  const std::vector<std::string> rows = cli.screen();
  ASSERT_GT(rows.size(), 8u);
  EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 5),
            std::vector<std::string>({"branch-rtr1>enable", "branch-rtr1#configure terminal",
                                      "Enter configuration commands, one per line.",
                                      "branch-rtr1(config)#interface GigabitEthernet0/1",
                                      "branch-rtr1(config-if)#?"}));
  EXPECT_NE(std::find(rows.begin(), rows.end(),
                      "description" + std::string(13, ' ') + "interface specific description"),
            rows.end());
  EXPECT_EQ(rows[rows.size() - 2], "branch-rtr1(config-if)#desc");
  EXPECT_EQ(rows.back(), "branch-rtr1(config-if)#description ");

  cli.type(
      "\x15"
      "end\rexit\rexit\r");
  EXPECT_EQ(cli.exitStatus(), 0);
  EXPECT_TRUE(cli.modesAsBefore());
  std::size_t bareLineFeeds = 0;
  for (std::size_t i = 0; i < cli.output().size(); ++i) {
    bareLineFeeds += cli.output()[i] == '\n' && (i == 0 || cli.output()[i - 1] != '\r');
  }
  EXPECT_EQ(bareLineFeeds, 0u) << "raw mode output ends lines with CR LF";
}

TEST(VexaCliPtyTest, SignalsTheInterruptKeyAndFatalErrorsEndItWithTheModesRestored) {
  // 0: the interrupt key typed; -1: a line longer than the editor holds.
  for (int signal : {SIGTERM, SIGHUP, SIGINT, 0, -1}) {
    PtyProgram cli;
    ASSERT_TRUE(cli.waitFor("branch-rtr1>")) << cli.output();
    cli.type("en");
    ASSERT_TRUE(cli.waitFor("en"));
    if (signal == 0) {
      cli.type("\x03");  // the editor interrupts its own program
    } else if (signal < 0) {
      cli.type(std::string(41000, 'x'));
    } else {
      kill(cli.pid(), signal);
    }
    EXPECT_EQ(cli.exitStatus(), signal < 0 ? 1 : 128 + (signal == 0 ? SIGINT : signal)) << signal;
    EXPECT_TRUE(cli.modesAsBefore()) << signal;
  }
}

}  // namespace
