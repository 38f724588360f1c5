// Listening TCP sockets of the network front end: the "[HOST:]PORT" an
// operator gives, the socket bound to it, and the address it really got.
//
// HOST defaults to the loopback address 127.0.0.1, so that a device is
// reachable from other machines only when the operator names an address;
// an IPv6 address is written in brackets ("[::1]:2323").  Port 0 asks the
// system for a free port, which address() then tells.
#ifndef VEXA_TOOLS_SERVER_LISTENER_H_
#define VEXA_TOOLS_SERVER_LISTENER_H_

#include <string>

namespace vexaserver {

inline constexpr char kDefaultListenHost[] = "127.0.0.1";

struct Endpoint {
  std::string host = kDefaultListenHost;
  std::string port;
};

// Reads "[HOST:]PORT"; false with a message in error when it is not one
// (PORT must be a number from 0 to 65535).
bool parseEndpoint(const std::string& text, Endpoint& endpoint, std::string& error);

class Listener {
 public:
  Listener() = default;
  ~Listener();
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;
  Listener(Listener&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

  // Binds and listens; false with a message in error.
  bool open(const Endpoint& endpoint, std::string& error);
  // The listening socket; -1 when not open.
  int fd() const { return fd_; }
  // "127.0.0.1:2323" or "[::1]:2323", with the port the socket got.
  std::string address() const;
  // Whether only this machine can connect (a loopback address).
  bool loopbackOnly() const;
  // Accepts a waiting connection (close-on-exec; a write that cannot go on
  // for sendTimeoutSeconds fails, when that is above 0); -1 when none was
  // waiting.
  int accept(int sendTimeoutSeconds);
  void close();

 private:
  int fd_ = -1;
};

}  // namespace vexaserver

#endif  // VEXA_TOOLS_SERVER_LISTENER_H_
