#include "server/server.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <set>
#include <thread>
#include <vector>

#include "common/tool_args.h"
#include "server/connections.h"
#include "vexa/host/file_update.h"
#include "vexa/host/pathname.h"
#include "vexa/host/raw_terminal.h"
#include "vexa/host/vexa_file_system.h"

namespace vexaserver {

namespace {

constexpr char kProgram[] = "vexa-cli";
constexpr int kAcceptTickMs = 500;
// How long connections get to end after the server asked them to.
constexpr auto kShutdownGrace = std::chrono::seconds(3);
// A client that takes no output for this long is dropped.
constexpr int kSendTimeoutSeconds = 30;

enum class Protocol { kTelnet, kSsh };

struct Service {
  Protocol protocol;
  Listener listener;
};

int startError(const std::string& message) {
  vexatools::printError(kProgram, message);
  return vexatools::kExitUsage;
}

// The delta file every connection shares: the operator's, made to exist,
// or a temporary one.
bool prepareDelta(ServedDevice& device, bool& temporary, std::string& error) {
  temporary = device.deltaPath.empty();
  if (temporary) {
    device.deltaPath = vexahost::VexaFileSystem::GetTempFolder() + "served-" +
                       std::to_string(::getpid()) + ".delta";
  }
  device.lockPath = device.deltaPath + ".lock";
  const vexahost::Pathname delta(device.deltaPath);
  if (delta.isDirectory()) {
    error = "the delta file '" + device.deltaPath + "' is a folder";
    return false;
  }
  if (!temporary && delta.exists()) return true;
  return vexahost::replaceFileContents(device.deltaPath, std::string(), error);
}

// Reaps the connections that ended; one that crashed is reported.
void reap(std::set<pid_t>& children) {
  int status = 0;
  for (pid_t pid; (pid = ::waitpid(-1, &status, WNOHANG)) > 0;) {
    children.erase(pid);
    if (WIFSIGNALED(status) && WTERMSIG(status) != SIGKILL) {
      vexatools::printError(kProgram, "the process of a connection ended by signal " +
                                          std::to_string(WTERMSIG(status)));
    }
  }
}

void endConnections(std::set<pid_t>& children) {
  for (pid_t pid : children) ::kill(pid, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + kShutdownGrace;
  while (!children.empty() && std::chrono::steady_clock::now() < deadline) {
    reap(children);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  for (pid_t pid : children) ::kill(pid, SIGKILL);
  for (pid_t pid : children) ::waitpid(pid, nullptr, 0);
  children.clear();
}

// Runs one connection in a child process; the parent keeps only its id.
void startConnection(Service& service, std::vector<Service>& services, const ServerOptions& options,
                     int fd, std::set<pid_t>& children) {
  const pid_t pid = ::fork();
  if (pid < 0) {
    vexatools::printError(kProgram, "cannot start a process for a connection");
    ::close(fd);
    return;
  }
  if (pid > 0) {
    children.insert(pid);
    ::close(fd);
    return;
  }
  for (Service& other : services) other.listener.close();
  ConnectionLimits limits;
  limits.idleTimeoutSeconds = options.idleTimeoutSeconds;
  const int status = service.protocol == Protocol::kTelnet
                         ? serveTelnet(fd, options.device, limits)
                         : serveSsh(fd, options.device, options.hostKeyPath, limits);
  std::_Exit(status);
}

void refuseConnection(const Service& service, int fd, int limit) {
  if (service.protocol == Protocol::kTelnet) {
    vexahost::writeOutput(
        fd, "% All " + std::to_string(limit) + " lines are in use; try again later\r\n");
  }
  ::close(fd);
}

}  // namespace

int runServer(ServerOptions options, std::ostream& status) {
  std::string error;
  if (options.ssh) {
    bool created = false;
    if (!prepareHostKey(options.hostKeyPath, created, error)) return startError(error);
    if (created) status << kProgram << ": created the SSH host key " << options.hostKeyPath << '\n';
  }
  std::string head;
  if (!vexahost::readFileHead(options.device.configPath, 1, head) ||
      vexahost::Pathname(options.device.configPath).isDirectory()) {
    return startError("cannot read the configuration '" + options.device.configPath + "'");
  }
  bool temporaryDelta = false;
  if (!prepareDelta(options.device, temporaryDelta, error)) return startError(error);
  options.device.started = std::time(nullptr);

  std::vector<Service> services;
  services.reserve(2);
  for (const auto& [endpoint, protocol] :
       {std::pair{options.telnet, Protocol::kTelnet}, std::pair{options.ssh, Protocol::kSsh}}) {
    if (!endpoint) continue;
    services.push_back(Service{protocol, Listener()});
    if (!services.back().listener.open(*endpoint, error)) return startError(error);
  }
  vexahost::catchTerminationSignals();
  for (const Service& service : services) {
    status << kProgram << ": serving over "
           << (service.protocol == Protocol::kTelnet ? "telnet" : "SSH") << " on "
           << service.listener.address()
           << (service.listener.loopbackOnly() ? " (loopback only)"
                                               : " (reachable from other machines)")
           << '\n';
  }
  status << kProgram << ": the device's state is kept in " << options.device.deltaPath
         << (temporaryDelta ? " (removed when the server stops)" : "") << std::endl;

  std::set<pid_t> children;
  std::vector<pollfd> polled;
  while (vexahost::terminationSignal() == 0) {
    polled.clear();
    for (const Service& service : services) polled.push_back({service.listener.fd(), POLLIN, 0});
    const int ready = ::poll(polled.data(), polled.size(), kAcceptTickMs);
    reap(children);
    if (ready <= 0) continue;
    for (std::size_t i = 0; i < services.size(); ++i) {
      if ((polled[i].revents & POLLIN) == 0) continue;
      const int fd = services[i].listener.accept(kSendTimeoutSeconds);
      if (fd < 0) continue;
      if (static_cast<int>(children.size()) >= options.maxConnections) {
        refuseConnection(services[i], fd, options.maxConnections);
      } else {
        startConnection(services[i], services, options, fd, children);
      }
    }
  }
  for (Service& service : services) service.listener.close();
  endConnections(children);
  if (temporaryDelta) {
    ::unlink(options.device.deltaPath.c_str());
    ::unlink(options.device.lockPath.c_str());
  }
  status << kProgram << ": stopped" << std::endl;
  return vexatools::kExitOk;
}

}  // namespace vexaserver
