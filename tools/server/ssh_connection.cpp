// serveSsh and the host key: one SSH client in its own process, through
// libssh's callback server API.  The client gets a shell channel with the
// device and nothing else: exec and subsystem requests are refused, other
// channel kinds and forwarding are left to libssh, which refuses them.
#include <fcntl.h>
#include <libssh/callbacks.h>
#include <libssh/libssh.h>
#include <libssh/server.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "server/connections.h"
#include "vexa/host/raw_terminal.h"

namespace vexaserver {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEscapeWaitMs = 50;
constexpr int kTickMs = 1000;

// What the callbacks learn, read by the loops between polls.
struct SshState {
  const ServedDevice* device = nullptr;
  ssh_session session = nullptr;
  ssh_channel channel = nullptr;
  ssh_channel_callbacks_struct channelCallbacks = {};
  int failures = 0;
  bool authenticated = false;
  bool refused = false;  // too many wrong passwords
  bool shell = false;
  bool windowChanged = false;
  int columns = 0;
  int rows = 0;
  std::string inbox;
};

SshState& stateOf(void* userdata) { return *static_cast<SshState*>(userdata); }

int onPassword(ssh_session, const char* user, const char* password, void* userdata) {
  SshState& state = stateOf(userdata);
  if (ServedSession::credentialsMatch(*state.device, user, password)) {
    state.authenticated = true;
    return SSH_AUTH_SUCCESS;
  }
  if (++state.failures >= state.device->attempts) state.refused = true;
  return SSH_AUTH_DENIED;
}

int onData(ssh_session, ssh_channel, void* data, uint32_t length, int, void* userdata) {
  stateOf(userdata).inbox.append(static_cast<const char*>(data), length);
  return static_cast<int>(length);
}

int onPty(ssh_session, ssh_channel, const char*, int width, int height, int, int, void* userdata) {
  SshState& state = stateOf(userdata);
  state.columns = width;
  state.rows = height;
  state.windowChanged = true;
  return 0;
}

int onWindowChange(ssh_session, ssh_channel, int width, int height, int, int, void* userdata) {
  return onPty(nullptr, nullptr, nullptr, width, height, 0, 0, userdata);
}

int onShell(ssh_session, ssh_channel, void* userdata) {
  SshState& state = stateOf(userdata);
  if (state.shell) return -1;
  state.shell = true;
  return 0;
}

int refuseCommand(ssh_session, ssh_channel, const char*, void*) { return -1; }

ssh_channel onChannelOpen(ssh_session session, void* userdata) {
  SshState& state = stateOf(userdata);
  if (!state.authenticated || state.channel != nullptr) return nullptr;  // one channel
  state.channel = ssh_channel_new(session);
  if (state.channel == nullptr) return nullptr;
  ssh_channel_callbacks_struct& callbacks = state.channelCallbacks;
  callbacks = {};
  ssh_callbacks_init(&callbacks);
  callbacks.userdata = &state;
  callbacks.channel_data_function = onData;
  callbacks.channel_pty_request_function = onPty;
  callbacks.channel_pty_window_change_function = onWindowChange;
  callbacks.channel_shell_request_function = onShell;
  callbacks.channel_exec_request_function = refuseCommand;
  callbacks.channel_subsystem_request_function = refuseCommand;
  ssh_set_channel_callbacks(state.channel, &callbacks);
  return state.channel;
}

bool channelOpen(const SshState& state) {
  return state.channel != nullptr && ssh_channel_is_open(state.channel) != 0 &&
         ssh_channel_is_eof(state.channel) == 0;
}

bool send(const SshState& state, const std::string& text) {
  if (text.empty()) return true;
  return ssh_channel_write(state.channel, text.data(), static_cast<uint32_t>(text.size())) ==
         static_cast<int>(text.size());
}

bool idleTooLong(Clock::time_point last, const ConnectionLimits& limits) {
  return limits.idleTimeoutSeconds > 0 &&
         Clock::now() - last >= std::chrono::seconds(limits.idleTimeoutSeconds);
}

// Polls until the client has a shell; false when it never gets one.
bool waitForShell(SshState& state, ssh_event event, const ConnectionLimits& limits) {
  const Clock::time_point start = Clock::now();
  while (!(state.shell && channelOpen(state))) {
    if (state.refused || vexahost::terminationSignal() != 0 || idleTooLong(start, limits)) {
      return false;
    }
    if (ssh_event_dopoll(event, kTickMs) == SSH_ERROR) return false;
  }
  return true;
}

// The device on the shell channel until either side ends it.
void runShell(SshState& state, ssh_event event, ServedSession& served,
              const ConnectionLimits& limits) {
  Clock::time_point last = Clock::now();
  bool open = send(state, served.start());
  while (open && !served.finished() && vexahost::terminationSignal() == 0) {
    const int polled = ssh_event_dopoll(event, served.keysPending() ? kEscapeWaitMs : kTickMs);
    if (polled == SSH_ERROR || !channelOpen(state)) break;
    if (state.windowChanged) {
      served.setWindow(state.columns, state.rows);
      state.windowChanged = false;
    }
    if (!state.inbox.empty()) {
      const std::string bytes = std::move(state.inbox);
      state.inbox.clear();
      last = Clock::now();
      open = send(state, served.input(bytes));
    } else if (served.keysPending()) {
      open = send(state, served.flushKeys());
    } else if (idleTooLong(last, limits)) {
      break;
    }
  }
  if (channelOpen(state)) {
    ssh_channel_request_send_exit_status(state.channel, 0);
    ssh_channel_send_eof(state.channel);
    ssh_channel_close(state.channel);
  }
}

}  // namespace

bool prepareHostKey(const std::string& path, bool& created, std::string& error) {
  created = false;
  ssh_key key = nullptr;
  if (::access(path.c_str(), F_OK) == 0) {
    if (ssh_pki_import_privkey_file(path.c_str(), nullptr, nullptr, nullptr, &key) != SSH_OK) {
      error = "cannot read the host key '" + path + "': not a private key without passphrase";
      return false;
    }
    ssh_key_free(key);
    return true;
  }
  char* text = nullptr;
  if (ssh_pki_generate(SSH_KEYTYPE_ED25519, 0, &key) != SSH_OK ||
      ssh_pki_export_privkey_base64(key, nullptr, nullptr, nullptr, &text) != SSH_OK) {
    ssh_key_free(key);
    error = "cannot create a host key";
    return false;
  }
  ssh_key_free(key);
  const std::string contents = text;
  ssh_string_free_char(text);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  const bool written = fd >= 0 && vexahost::writeOutput(fd, contents);
  const int failure = errno;
  if (fd >= 0) ::close(fd);
  if (!written) {
    if (fd >= 0) ::unlink(path.c_str());
    error = "cannot write the host key '" + path + "': " + std::strerror(failure);
    return false;
  }
  created = true;
  return true;
}

int serveSsh(int fd, const ServedDevice& device, const std::string& hostKeyPath,
             const ConnectionLimits& limits) {
  ssh_bind bind = ssh_bind_new();
  ssh_session session = ssh_new();
  bool processConfig = false;  // no system-wide server configuration
  ssh_bind_options_set(bind, SSH_BIND_OPTIONS_PROCESS_CONFIG, &processConfig);
  int status = 1;
  SshState state;
  state.device = &device;
  state.session = session;
  ssh_server_callbacks_struct callbacks = {};
  ssh_callbacks_init(&callbacks);
  callbacks.userdata = &state;
  callbacks.auth_password_function = onPassword;
  callbacks.channel_open_request_session_function = onChannelOpen;
  ssh_event event = nullptr;
  if (ssh_bind_options_set(bind, SSH_BIND_OPTIONS_HOSTKEY, hostKeyPath.c_str()) == SSH_OK &&
      ssh_bind_accept_fd(bind, session, fd) == SSH_OK) {
    fd = -1;  // the session owns it now
    if (limits.idleTimeoutSeconds > 0) {
      const long seconds = limits.idleTimeoutSeconds;
      ssh_options_set(session, SSH_OPTIONS_TIMEOUT, &seconds);
    }
    ssh_set_server_callbacks(session, &callbacks);
    ssh_set_auth_methods(session, SSH_AUTH_METHOD_PASSWORD);
    if (ssh_handle_key_exchange(session) == SSH_OK) {
      event = ssh_event_new();
      ssh_event_add_session(event, session);
      ServedSession served;
      std::string error;
      if (waitForShell(state, event, limits)) {
        if (served.open(device, true, error)) {
          served.setWindow(state.columns, state.rows);
          state.windowChanged = false;
          runShell(state, event, served, limits);
          status = 0;
        } else {
          send(state, "% " + error + "\r\n");
        }
      }
    }
  }
  if (fd >= 0) ::close(fd);
  if (event != nullptr) {
    ssh_event_remove_session(event, session);
    ssh_event_free(event);
  }
  ssh_disconnect(session);
  ssh_free(session);
  ssh_bind_free(bind);
  return status;
}

}  // namespace vexaserver
