// The network front end of vexa-cli: the emulated device served over
// telnet and SSH to automation tools and people.
//
// One process listens; every accepted connection runs in a process of its
// own (the library's terminal state is per process), which ends with the
// connection.  All of them share the device's state, the delta file (see
// served_session.h).  Beyond the connection limit a client is told so and
// disconnected.  SIGTERM, SIGINT or SIGHUP stop the server cleanly: it stops
// listening, ends the connections (each has stored every change already)
// and waits for them.  No client input ever names a file: the server opens
// the configuration, the delta file, its lock file and the host key, all
// given by the operator, and nothing else on a client's behalf.
#ifndef VEXA_TOOLS_SERVER_SERVER_H_
#define VEXA_TOOLS_SERVER_SERVER_H_

#include <optional>
#include <ostream>
#include <string>

#include "server/listener.h"
#include "server/served_session.h"

namespace vexaserver {

struct ServerOptions {
  // At least one of the two.
  std::optional<Endpoint> telnet;
  std::optional<Endpoint> ssh;
  // The SSH host key; created (Ed25519, mode 0600) when missing.
  std::string hostKeyPath;
  // The device; an empty deltaPath keeps the state in a temporary file
  // that lives as long as the server.  The lock path is set by the server.
  ServedDevice device;
  // A connection without input for this long is closed; 0: never.
  int idleTimeoutSeconds = 600;
  int maxConnections = 16;
};

// Serves until a termination signal.  Status lines ("serving ... on
// 127.0.0.1:2323 (loopback only)") go to status; errors are printed as the
// program's errors.  Returns the program's exit status: 0 after a clean
// stop, 2 when the server could not start.
int runServer(ServerOptions options, std::ostream& status);

}  // namespace vexaserver

#endif  // VEXA_TOOLS_SERVER_SERVER_H_
