// StlHelper: two string helpers of the host library.
#ifndef VEXA_HOST_STL_HELPER_H_
#define VEXA_HOST_STL_HELPER_H_

#include <string>

namespace vexahost {

class StlHelper {
 public:
  // Returns the first blank-separated word (blanks and tabs) of text and
  // removes it, with the blanks before and after it, from text; repeated
  // calls walk the words.  Empty when no word is left.
  static std::string GetFirstWord(std::string& text);

  // Replaces every occurrence of from by to in text, left to right, never
  // rescanning replaced text.  An empty from changes nothing.
  static void replaceString(std::string& text, const std::string& from, const std::string& to);
};

}  // namespace vexahost

#endif  // VEXA_HOST_STL_HELPER_H_
