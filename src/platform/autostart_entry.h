#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brivonce {

// `program` as one argument of a desktop entry's Exec key: quoted when it holds
// a reserved character, with the quoting escapes, "%" doubled, and the string
// escapes of a desktop entry value on top. UTF-8 in, UTF-8 out.
std::string DesktopExecArgument(std::string_view program);

// The session autostart entry that starts `program` (its full path) with
// `arguments` with the user's session, each one quoted as Exec needs.
std::string AutostartEntryText(std::string_view program, const std::vector<std::string>& arguments);

}  // namespace brivonce
