// Remediation: the change script that takes a device from its running
// configuration to an intended one, as an engineer pastes it into the
// device or an automation tool pushes it, and the device model that checks
// such a script.
//
// The script is built on the library's whole-file fallback (the commands
// that take one configuration to another) and adds what a device needs on
// top: order-sensitive lists (access lists, prefix lists, AS-path and
// community lists) brought into the intended order, removals before
// additions with the lines that later lines depend on first, explicit exits
// from every sub-mode, no line stated twice.  The fallback's own results are
// not changed.  docs/remediation.md describes the script for users.
//
// The device model applies a script the way a device takes pasted lines:
// line by line through a console terminal (abbreviations, "exit", commands
// of an enclosing mode leave a sub-mode), then merged into the running
// configuration, with the device's ordering of numbered list entries.
//
// Texts go in and come out in the library's written form.  Everything needs
// the parser resources (VexaParserUtil::createParserResource); without them
// the script is empty and the model returns the running text unchanged.
#ifndef VEXA_REMEDIATION_REMEDIATION_H_
#define VEXA_REMEDIATION_REMEDIATION_H_

#include <string>
#include <vector>

namespace vexaremediation {

// The script that takes running to intended; empty when the two configure
// the device alike.  remediate(intended, running) is the rollback script.
std::string remediate(const std::string& running, const std::string& intended);

// The configuration a device holds after it was given text line by line
// from an empty state: a command stated twice counts once, a later form of
// an item replaces an earlier one, numbered list entries in number order.
std::string deviceState(const std::string& configuration);

struct AppliedScript {
  // running with the script applied, in the library's written form.
  std::string configuration;
  // Script lines the terminal rejected, as typed.
  std::vector<std::string> rejectedLines;
};

// Applies script to running as a device takes pasted lines.
AppliedScript applyScript(const std::string& running, const std::string& script);

// Whether two configurations configure a device alike: the same lines
// below the same mode commands, in any order, except that the entries of
// every order-sensitive list must stand in the same order.  On a difference
// whyNot (may be null) names the first line that differs.
bool sameConfiguration(const std::string& a, const std::string& b, std::string* whyNot);

}  // namespace vexaremediation

#endif  // VEXA_REMEDIATION_REMEDIATION_H_
