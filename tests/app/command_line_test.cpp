#include "app/command_line.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

using namespace std::chrono;
using Arguments = std::vector<std::string>;

TEST(ParseCommandLine, ReadsEveryOptionInBothForms) {
    auto withFolder = [](const char* folder) {
        CommandLine line;
        line.dataDir = folder;
        return line;
    };
    CommandLine exportLine;
    exportLine.icsFile = "a.ics";
    exportLine.from = 2026y / January / 31;
    exportLine.to = 2026y / January / 31;
    CommandLine importLine;
    importLine.importFile = "b.ics";
    importLine.to = 2026y / March / 1;
    CommandLine help;
    help.help = help.version = true;
    struct Case {
        Arguments arguments;
        CommandLine expected;
    } cases[] = {
        {{}, CommandLine{}},
        {{"--data-dir", "/d"}, withFolder("/d")},
        {{"--data-dir=/d=e"}, withFolder("/d=e")},
        {{"--data-dir", "--x"}, withFolder("--x")},  // a value may look like an option
        {{"-session", "1234", "--data-dir=/d"}, withFolder("/d")},
        {{"--export-ics", "a.ics", "--from=2026-01-31", "--to", "2026-01-31"}, exportLine},
        {{"--import-ics=b.ics", "--to=2026-03-01"}, importLine},
        {{"--version", "--help"}, help},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseCommandLine(c.arguments), c.expected) << c.arguments.size();
    }
}

TEST(ParseCommandLine, RefusesWhatItCannotFollowWithOneFrenchLine) {
    struct Case {
        Arguments arguments;
        std::string message;
    } cases[] = {
        {{"--bogus"}, "option inconnue « --bogus » (voir brivonce --help)"},
        {{"--help=1"}, "option inconnue « --help=1 » (voir brivonce --help)"},
        {{"agenda.ics"}, "argument inattendu « agenda.ics » (voir brivonce --help)"},
        {{"--data-dir="}, "il manque la valeur de l'option « --data-dir »"},
        {{"--data-dir"}, "il manque la valeur de l'option « --data-dir »"},
        {{"--export-ics", ""}, "il manque la valeur de l'option « --export-ics »"},
        {{"--export-ics=a", "--from=2026-02-30"},
         "date incorrecte « 2026-02-30 » : la forme attendue est aaaa-mm-jj"},
        {{"--export-ics=a", "--to=2026-2-3"},
         "date incorrecte « 2026-2-3 » : la forme attendue est aaaa-mm-jj"},
        {{"--export-ics=a", "--to=20260203xx"},
         "date incorrecte « 20260203xx » : la forme attendue est aaaa-mm-jj"},
        {{"--to=2026-02-03"},
         "les options --from et --to ne servent qu'avec --export-ics ou --import-ics"},
        {{"--export-ics=a", "--import-ics=b"},
         "les options --export-ics et --import-ics ne vont pas ensemble"},
        {{"--export-ics=a", "--from=2026-02-03", "--to=2026-02-02"},
         "la date de --from est après celle de --to"},
    };
    for (const Case& c : cases) {
        try {
            ParseCommandLine(c.arguments);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const UsageError& error) {
            EXPECT_EQ(error.what(), c.message);
        }
    }
}

}  // namespace
}  // namespace brivonce
