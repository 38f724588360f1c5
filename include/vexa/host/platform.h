// Platform constants of the host layer.
//
// Relative resource names are documented with backslashes ("files\keyfiles\");
// code builds them with kPathSeparator so the same names work on every
// platform.  Everything that touches the operating system lives in src/host.
#ifndef VEXA_HOST_PLATFORM_H_
#define VEXA_HOST_PLATFORM_H_

namespace vexahost {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace vexahost

#endif  // VEXA_HOST_PLATFORM_H_
