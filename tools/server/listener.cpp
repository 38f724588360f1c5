#include "server/listener.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vexaserver {

namespace {

constexpr int kBacklog = 16;

bool isPort(const std::string& text) {
  if (text.empty() || text.size() > 5) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return std::stol(text) <= 65535;
}

}  // namespace

bool parseEndpoint(const std::string& text, Endpoint& endpoint, std::string& error) {
  endpoint = Endpoint{};
  std::string port = text;
  if (!text.empty() && text[0] == '[') {
    const std::size_t close = text.find("]:");
    if (close == std::string::npos) {
      error = "'" + text + "' is not [HOST:]PORT";
      return false;
    }
    endpoint.host = text.substr(1, close - 1);
    port = text.substr(close + 2);
  } else if (const std::size_t colon = text.rfind(':'); colon != std::string::npos) {
    endpoint.host = text.substr(0, colon);
    port = text.substr(colon + 1);
  }
  if (endpoint.host.empty() || !isPort(port)) {
    error = "'" + text + "' is not [HOST:]PORT (PORT from 0 to 65535)";
    return false;
  }
  endpoint.port = port;
  return true;
}

Listener::~Listener() { close(); }

bool Listener::open(const Endpoint& endpoint, std::string& error) {
  close();
  addrinfo hints = {};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
  addrinfo* found = nullptr;
  if (const int status =
          ::getaddrinfo(endpoint.host.c_str(), endpoint.port.c_str(), &hints, &found);
      status != 0) {
    error = "cannot listen on '" + endpoint.host + "': " + ::gai_strerror(status);
    return false;
  }
  int failure = 0;
  for (addrinfo* at = found; at != nullptr && fd_ < 0; at = at->ai_next) {
    const int fd = ::socket(at->ai_family, at->ai_socktype | SOCK_CLOEXEC, at->ai_protocol);
    if (fd < 0) {
      failure = errno;
      continue;
    }
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (::bind(fd, at->ai_addr, at->ai_addrlen) == 0 && ::listen(fd, kBacklog) == 0) {
      fd_ = fd;
    } else {
      failure = errno;
      ::close(fd);
    }
  }
  ::freeaddrinfo(found);
  if (fd_ < 0) {
    error =
        "cannot listen on " + endpoint.host + ":" + endpoint.port + ": " + std::strerror(failure);
    return false;
  }
  return true;
}

std::string Listener::address() const {
  sockaddr_storage storage = {};
  socklen_t length = sizeof storage;
  if (fd_ < 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&storage), &length) != 0) return {};
  char host[INET6_ADDRSTRLEN] = {};
  if (storage.ss_family == AF_INET6) {
    const auto* address = reinterpret_cast<const sockaddr_in6*>(&storage);
    ::inet_ntop(AF_INET6, &address->sin6_addr, host, sizeof host);
    return "[" + std::string(host) + "]:" + std::to_string(ntohs(address->sin6_port));
  }
  const auto* address = reinterpret_cast<const sockaddr_in*>(&storage);
  ::inet_ntop(AF_INET, &address->sin_addr, host, sizeof host);
  return std::string(host) + ":" + std::to_string(ntohs(address->sin_port));
}

bool Listener::loopbackOnly() const {
  sockaddr_storage storage = {};
  socklen_t length = sizeof storage;
  if (fd_ < 0 || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&storage), &length) != 0) {
    return false;
  }
  if (storage.ss_family == AF_INET6) {
    const auto* address = reinterpret_cast<const sockaddr_in6*>(&storage);
    return IN6_IS_ADDR_LOOPBACK(&address->sin6_addr);
  }
  const auto* address = reinterpret_cast<const sockaddr_in*>(&storage);
  return (ntohl(address->sin_addr.s_addr) >> 24) == 127;
}

int Listener::accept(int sendTimeoutSeconds) {
  if (fd_ < 0) return -1;
  const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) return -1;
  if (sendTimeoutSeconds > 0) {
    timeval limit = {sendTimeoutSeconds, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  }
  return fd;
}

void Listener::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace vexaserver
