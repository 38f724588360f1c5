#include "vexa/console/console_log.h"

#include <log4cpp/Category.hh>
#include <log4cpp/FileAppender.hh>
#include <log4cpp/PatternLayout.hh>
#include <log4cpp/Priority.hh>

#include "vexa/host/file_update.h"

namespace vexaconsole {

bool logConsoleToFile(const std::string& path, std::string& error) {
  // The appender would swallow an open failure; ask first.
  if (!vexahost::appendToFile(path, "")) {
    error = "cannot open the log file '" + path + "' for appending";
    return false;
  }
  auto* appender = new log4cpp::FileAppender("console-log", path, true);
  auto* layout = new log4cpp::PatternLayout();
  layout->setConversionPattern("%d{%Y-%m-%d %H:%M:%S.%l} %p %c: %m%n");
  appender->setLayout(layout);
  log4cpp::Category& category = log4cpp::Category::getInstance(kLogCategory);
  category.removeAllAppenders();
  category.setAdditivity(false);
  category.setPriority(log4cpp::Priority::INFO);
  category.addAppender(appender);  // the category owns it
  return true;
}

void logConsoleNowhere() {
  log4cpp::Category& category = log4cpp::Category::getInstance(kLogCategory);
  category.removeAllAppenders();
  category.setAdditivity(false);
  category.setPriority(log4cpp::Priority::WARN);
}

}  // namespace vexaconsole
