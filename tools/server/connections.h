// The two protocols of the network front end, each serving one accepted
// connection in the process that owns it: telnet (the negotiation of
// telnet_negotiation.h, then the device's text) and SSH (libssh's server:
// password authentication, one session channel with a pty and a shell).
//
// Both run a ServedSession until the user leaves, the client goes away,
// the idle time passes or a termination signal arrives, and return the
// process's exit status.  Used by server.cpp in the forked child.
#ifndef VEXA_TOOLS_SERVER_CONNECTIONS_H_
#define VEXA_TOOLS_SERVER_CONNECTIONS_H_

#include <string>

#include "server/served_session.h"

namespace vexaserver {

struct ConnectionLimits {
  int idleTimeoutSeconds = 0;  // 0: none
};

// Serves a telnet client on fd (closed at the end).
int serveTelnet(int fd, const ServedDevice& device, const ConnectionLimits& limits);

// Serves an SSH client on fd (closed at the end) with the host key file.
int serveSsh(int fd, const ServedDevice& device, const std::string& hostKeyPath,
             const ConnectionLimits& limits);

// Makes sure the host key file holds a private key: reads it, or creates
// an Ed25519 key there (mode 0600) when the file does not exist (created
// says so).  False with a message in error.
bool prepareHostKey(const std::string& path, bool& created, std::string& error);

}  // namespace vexaserver

#endif  // VEXA_TOOLS_SERVER_CONNECTIONS_H_
