// VTYModeType: the three command modes of an emulated terminal.
//
// Keys the process-wide mode trees (ParserResources) and the per-mode
// matching state of a terminal.  The values are stored and compared as
// integers by callers, so they are fixed.
#ifndef VEXA_PARSER_VTY_MODE_TYPE_H_
#define VEXA_PARSER_VTY_MODE_TYPE_H_

namespace vexaparser {

enum VTYModeType {
  VIEW_MODE = 0,           // prompt ">"
  EXECUTION_MODE = 1,      // prompt "#"
  CONFIGURATION_MODE = 2,  // prompt "(config)#"
};

}  // namespace vexaparser

#endif  // VEXA_PARSER_VTY_MODE_TYPE_H_
