#include "platform/autostart_entry.h"

#include <gtest/gtest.h>

#include <vector>

namespace brivonce {
namespace {

// Reads an Exec value back as a desktop environment does: string escapes
// first, then the arguments with their quotes, "%%" giving "%".
std::vector<std::string> ReadExec(std::string_view value) {
    std::string unescaped;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            unescaped += value[i];
            continue;
        }
        char next = value[++i];
        unescaped += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
    }
    std::vector<std::string> arguments(1);
    bool quoted = false;
    for (size_t i = 0; i < unescaped.size(); ++i) {
        char c = unescaped[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted && c == '\\') {
            arguments.back() += unescaped.at(++i);
        } else if (!quoted && c == ' ') {
            arguments.emplace_back();
        } else if (c == '%') {
            EXPECT_EQ(unescaped.at(++i), '%') << "a field code in " << value;
            arguments.back() += '%';
        } else {
            arguments.back() += c;
        }
    }
    EXPECT_FALSE(quoted) << "unbalanced quotes in " << value;
    return arguments;
}

TEST(AutostartEntry, IsADesktopEntryStartingTheProgram) {
    EXPECT_EQ(AutostartEntryText("/usr/bin/brivonce", {}),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Brivonce\n"
              "Exec=/usr/bin/brivonce\n"
              "X-GNOME-Autostart-enabled=true\n");
}

TEST(AutostartEntry, QuotesAPathWithReservedCharactersAsTheDesktopEntryRulesSay) {
    EXPECT_EQ(DesktopExecArgument("/opt/mes programmes/brivonce"),
              "\"/opt/mes programmes/brivonce\"");
    EXPECT_EQ(DesktopExecArgument("/opt/a$b/brivonce"), "\"/opt/a\\\\$b/brivonce\"");
    EXPECT_EQ(DesktopExecArgument("/opt/a\\b/brivonce"), "\"/opt/a\\\\\\\\b/brivonce\"");
    EXPECT_EQ(DesktopExecArgument("/opt/say \"hi\"/b"), "\"/opt/say \\\\\"hi\\\\\"/b\"");
    EXPECT_EQ(DesktopExecArgument("/opt/a`b`/b"), "\"/opt/a\\\\`b\\\\`/b\"");
    EXPECT_EQ(DesktopExecArgument("/opt/l'été/b"), "\"/opt/l'été/b\"");
    EXPECT_EQ(DesktopExecArgument("/opt/100%/b"), "/opt/100%%/b");
    EXPECT_EQ(DesktopExecArgument("/opt/100% sûr/b"), "\"/opt/100%% sûr/b\"");
}

TEST(AutostartEntry, EveryAwkwardPathReadsBackAsOneArgument) {
    for (std::string path :
         {"/usr/bin/brivonce", "/home/marie/Mes Documents/brivonce", "/opt/a$HOME/b",
          "/opt/back\\slash/b", "/opt/\"cité\"/b", "/opt/`date`/b", "/opt/%f %u %%/b",
          "/opt/tab\there/b", "/opt/new\nline/b", "/opt/a;b|c&d<e>f~g*h?i#j(k)/b",
          "/opt/trailing\\", "/opt/$(rm -rf ~)/b", "/opt/é€ü/b"}) {
        // The same path as the program and as the data folder of --data-dir.
        std::string entry = AutostartEntryText(path, {"--data-dir", path});
        size_t at = entry.find("\nExec=") + 6;
        std::string exec = entry.substr(at, entry.find('\n', at) - at);
        EXPECT_EQ(ReadExec(exec), (std::vector<std::string>{path, "--data-dir", path})) << exec;
    }
}

}  // namespace
}  // namespace brivonce
