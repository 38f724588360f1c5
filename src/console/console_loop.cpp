// The console loop: prompt, per-key processing, execution of completed
// lines, the delta text, and the help and completion hooks.
#include "vexa/console/console_loop.h"

#include <algorithm>
#include <cstring>
#include <log4cpp/Category.hh>

#include "vexa/console/console_log.h"
#include "vexa/console/get_line_data.h"
#include "vexa/parser/cisco_command_line.h"
#include "vexa/parser/vty.h"

namespace vexaconsole {

namespace {

char promptBuffer[kPromptBufferSize];

log4cpp::Category& logCategory() {
  static log4cpp::Category& category = log4cpp::Category::getInstance(kLogCategory);
  return category;
}

// "?": the terminal's help for the line as typed (the "?" included); the
// "?" leaves the line again and everything is redrawn after the help text.
int helpHook(char* buffer, int /*promptLength*/, int* cursor, vexaparser::VTY* terminal,
             std::string& output) {
  if (terminal == nullptr) return -1;
  terminal->hook(buffer);
  std::string text;
  terminal->getOutputString(text);
  output += '\n';
  output += text;
  const std::size_t length = std::strlen(buffer);
  if (length > 0) buffer[length - 1] = '\0';
  *cursor = static_cast<int>(std::strlen(buffer));
  return -2;
}

// TAB: the line is replaced by the terminal's completion of it.
int completionHook(char* buffer, int /*promptLength*/, int* cursor, vexaparser::VTY* terminal,
                   std::string& output) {
  if (terminal == nullptr) return -1;
  terminal->hook(std::string(buffer) + '\t');
  output += '\n';
  std::string text;
  terminal->getOutputString(text);
  const std::size_t length =
      std::min(text.size(), static_cast<std::size_t>(GetLineData::kBufferSize - 1));
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  *cursor = static_cast<int>(std::strlen(buffer));
  return -2;
}

bool contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

// Runs the completed line in the terminal and records a configuration
// command in the delta text.
void executeLine(vexaparser::VTY& terminal, GetLineData& editor, std::string* delta) {
  std::string prompt;
  terminal.getPrompt(prompt);
  std::string line = editor.lastLine() == nullptr ? std::string() : editor.lastLine();
  if (!line.empty()) line.pop_back();  // the line end the editor appended
  line += " \n";
  {
    vexaparser::CiscoCommandLine command;
    terminal.parse(line, true, &command);
    std::string text;
    terminal.getOutputString(text);
    editor.output() += text;
  }
  if (!contains(prompt, "(config")) return;
  std::string complete;
  terminal.getCompleteLine(complete);
  if (delta == nullptr) return;
  if (!contains(complete, "exit") && !contains(complete, "end")) {
    if (delta->empty() && !contains(prompt, "(config)")) {
      // The first command of a sub-mode carries the commands that opened it.
      std::string majors;
      terminal.getMajorCommands(majors);
      *delta = majors + complete;
    } else {
      *delta += complete;
    }
  }
  terminal.registerDeltaCmd(*delta);
}

}  // namespace

const char* vtysh_prompt(vexaparser::VTY& terminal) {
  std::string prompt;
  terminal.getPrompt(prompt);
  const std::string host = terminal.getHostName();
  const std::string text = host.empty() ? prompt : host + prompt;
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(kPromptBufferSize - 1));
  std::memcpy(promptBuffer, text.data(), length);
  promptBuffer[length] = '\0';
  return promptBuffer;
}

void GetLineData::parser_init(const std::string& /*unused*/) {
  getline_init();
  startOfLine_ = true;
}

int GetLineData::getline_init() {
  setHooks(helpHook, completionHook);
  return 0;
}

char* GetLineData::vtysh_rl_gets(const std::string& keys, vexaparser::VTY& terminal) {
  lastLine_ = Getline(keys, vtysh_prompt(terminal), &terminal);
  if (lastLine_ != nullptr && *lastLine_ != '\0' && startOfLine_) Gl_histadd(lastLine_);
  return lastLine_;
}

void parser_main(vexaparser::VTY& terminal, GetLineData& editor, const std::string& keys,
                 std::string& output, std::string* delta) {
  parser_main(terminal, editor, keys, output, delta, LineHandler());
}

void parser_main(vexaparser::VTY& terminal, GetLineData& editor, const std::string& keys,
                 std::string& output, std::string* delta, const LineHandler& handler) {
  editor.output().clear();
  editor.vtysh_rl_gets(keys, terminal);
  if (editor.startOfLine()) {
    LineHandling handling = LineHandling::kPassOn;
    if (handler) {
      std::string line = editor.lastLine() == nullptr ? std::string() : editor.lastLine();
      if (!line.empty() && line.back() == '\n') line.pop_back();
      handling = handler(line, editor.output());
    }
    if (handling == LineHandling::kPassOn) executeLine(terminal, editor, delta);
    if (handling != LineHandling::kAwaitingInput) editor.startNewLine(vtysh_prompt(terminal));
  }
  output = editor.output();
  log4cpp::Category& category = logCategory();
  if (category.isInfoEnabled()) category.info("After Parser Main Buf " + output);
}

void showPrompt(vexaparser::VTY& terminal, GetLineData& editor, std::string& output) {
  editor.output().clear();
  editor.startNewLine(vtysh_prompt(terminal));
  output = editor.output();
}

}  // namespace vexaconsole
