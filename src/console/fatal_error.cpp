#include "vexa/console/fatal_error.h"

#include <cstdio>
#include <cstdlib>

namespace vexaconsole {
namespace {

FatalErrorHandler installed = nullptr;

}  // namespace

void defaultFatalErrorHandler(const std::string& message) {
  std::fwrite(message.data(), 1, message.size(), stderr);
  std::fflush(stderr);
  std::exit(1);
}

FatalErrorHandler setFatalErrorHandler(FatalErrorHandler handler) {
  const FatalErrorHandler previous = installed == nullptr ? defaultFatalErrorHandler : installed;
  installed = handler;
  return previous;
}

void reportFatalError(const std::string& message) {
  (installed == nullptr ? defaultFatalErrorHandler : installed)(message);
}

}  // namespace vexaconsole
