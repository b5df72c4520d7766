#include "platform/autostart_entry.h"

namespace brivonce {
namespace {

// Characters that make an Exec argument need quotes.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

// Inside quotes these four take a backslash.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

std::string Quoted(std::string_view argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (kEscapedInQuotes.find(c) != std::string_view::npos) {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + '"';
}

// The escapes every string value of a desktop entry goes through, applied
// after the Exec quoting, so a literal backslash ends up as four.
std::string StringValue(std::string_view text) {
    std::string value;
    for (char c : text) {
        switch (c) {
            case '\\':
                value += "\\\\";
                break;
            case '\n':
                value += "\\n";
                break;
            case '\t':
                value += "\\t";
                break;
            case '\r':
                value += "\\r";
                break;
            default:
                value += c;
        }
    }
    return value;
}

}  // namespace

std::string DesktopExecArgument(std::string_view program) {
    bool needsQuotes = program.find_first_of(kReserved) != std::string_view::npos;
    std::string argument = needsQuotes ? Quoted(program) : std::string(program);
    std::string withFieldCodes;
    for (char c : argument) {
        withFieldCodes += c;
        if (c == '%') {
            withFieldCodes += '%';  // a lone "%" would start a field code
        }
    }
    return StringValue(withFieldCodes);
}

std::string AutostartEntryText(std::string_view program,
                               const std::vector<std::string>& arguments) {
    std::string exec = DesktopExecArgument(program);
    for (const std::string& argument : arguments) {
        exec += " " + DesktopExecArgument(argument);
    }
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Brivonce\n"
           "Exec=" +
           exec +
           "\n"
           "X-GNOME-Autostart-enabled=true\n";
}

}  // namespace brivonce
