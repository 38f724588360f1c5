// ParserException: the one exception type of the parser namespace.
//
// Raised only when a resource file (a mode file or the command flag file)
// cannot be opened; the text is "error: can't open file: " followed by the
// full path.  Resource creation catches it and stops quietly; the terminal
// turns it into a failed line.  Every other failure is returned as a result.
#ifndef VEXA_PARSER_PARSER_EXCEPTION_H_
#define VEXA_PARSER_PARSER_EXCEPTION_H_

#include <exception>
#include <string>
#include <utility>

namespace vexaparser {

class ParserException : public std::exception {
 public:
  explicit ParserException(std::string message) : message_(std::move(message)) {}

  // The exception for a resource file that cannot be opened.
  static ParserException cannotOpen(const std::string& fullPath) {
    return ParserException("error: can't open file: " + fullPath);
  }

  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& getMessage() const noexcept { return message_; }

 private:
  std::string message_;
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_PARSER_EXCEPTION_H_
