#pragma once

// The program's name as its windows and the sound server show it, and its id towards the desktop:
// the name of its menu entry, which the running program gives as its own.
namespace zorvel::common {

inline constexpr char kProgramName[] = ZORVEL_PROGRAM_NAME;
inline constexpr char kAppId[] = ZORVEL_APP_ID;

}  // namespace zorvel::common
