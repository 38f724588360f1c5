// CDesignNoteHelper: the filter settings of the design reader, read from
// the host's ini files "fix_DesignFilter.ini" and "fix_designreader.ini"
// (bare names, looked up by the host's ini reader).
//
// "fix_DesignFilter.ini" maps device types to filter types
// ([DevTypeToFilter], "deviceType = filterType") and filter types to
// library folders ([FilterTypeToDir], "filterType = folder").  A key counts
// by its leading decimal number; 0 or a key without a number is ignored.
// "fix_designreader.ini" names in [DEFAULT_SCRIFILE] the default script
// (file name and folder) of each filter kind; firewalls (filter type 2)
// have their own keys.
//
// Three process-wide caches are filled from "fix_DesignFilter.ini" on first
// use; a cache is filled again only while it is empty (for example while
// the file is missing).  Not protected against concurrent first use.
#ifndef VEXA_DESIGNREADER_DESIGN_NOTE_HELPER_H_
#define VEXA_DESIGNREADER_DESIGN_NOTE_HELPER_H_

#include <string>

namespace vexadr {

class CDesignNoteHelper {
 public:
  // The filter type of a device type; 0 when it is not listed.
  static int GetDeginFilterTypeByDevType(int deviceType);
  // The library folder of a filter type; "" when it is not listed.
  static std::string GetDeginFilterDirByType(int filterType);
  // The filter type of a library folder (exact name); 0 when not listed.
  static int GetDeginFilterTypeByDir(const std::string& folder);
  // Reads the default script of filterKind for the device type into
  // fileName and filePath (each "" when its key is missing).  False, with
  // both unchanged, when "fix_designreader.ini" does not exist.
  static bool GetDefaultFilter(int filterKind, int deviceType, std::string& fileName,
                               std::string& filePath);

  // Empties the three caches, so that the next lookup reads the ini file
  // again (for a host that changed it, and for tests).
  static void resetCaches();
};

}  // namespace vexadr

#endif  // VEXA_DESIGNREADER_DESIGN_NOTE_HELPER_H_
