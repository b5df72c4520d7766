#include "app/command_line.h"

#include <algorithm>
#include <string_view>

#include "text/dates.h"

namespace brivonce {
namespace {

constexpr std::string_view kUnknownOption = "option inconnue « %s » (voir brivonce --help)";
constexpr std::string_view kUnexpectedArgument = "argument inattendu « %s » (voir brivonce --help)";
constexpr std::string_view kMissingValue = "il manque la valeur de l'option « %s »";
constexpr std::string_view kBadDate = "date incorrecte « %s » : la forme attendue est aaaa-mm-jj";
constexpr std::string_view kRangeWithoutExport =
    "les options --from et --to ne servent qu'avec --export-ics ou --import-ics";
constexpr std::string_view kExportAndImport =
    "les options --export-ics et --import-ics ne vont pas ensemble";
constexpr std::string_view kRangeReversed = "la date de --from est après celle de --to";

// Qt reads these itself; a session manager restarts a program with -session.
constexpr std::string_view kQtOptionsWithValue[] = {"-session", "-display", "-platform", "-style"};

// Reads the value option `name` at arguments[i], in either of its two forms,
// moving i past a separate value; nullopt when arguments[i] is another option.
std::optional<std::string> ValueOption(std::string_view name,
                                       const std::vector<std::string>& arguments, size_t& i) {
    std::string_view argument = arguments[i];
    std::optional<std::string> value;
    if (argument == name) {
        value = i + 1 < arguments.size() ? arguments[++i] : "";
    } else if (argument.starts_with(name) && argument[name.size()] == '=') {
        value = argument.substr(name.size() + 1);
    } else {
        return std::nullopt;
    }
    if (value->empty()) {
        throw UsageError(FormatMessage(kMissingValue, name));
    }
    return value;
}

// yyyy-mm-dd, an existing date.
std::chrono::year_month_day IsoDate(const std::string& text) {
    std::optional<std::chrono::year_month_day> date;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        date = ParseDateKey(text.substr(0, 4) + text.substr(5, 2) + text.substr(8, 2));
    }
    if (!date) {
        throw UsageError(FormatMessage(kBadDate, text));
    }
    return *date;
}

bool IsQtOptionWithValue(std::string_view argument) {
    return std::find(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), argument) !=
           std::end(kQtOptionsWithValue);
}

// Reads arguments[i] (and its value) into `line`.
void ReadArgument(const std::vector<std::string>& arguments, size_t& i, CommandLine& line) {
    const std::string& argument = arguments[i];
    if (argument == "--help") {
        line.help = true;
    } else if (argument == "--version") {
        line.version = true;
    } else if (argument == "--exit-after-start") {
        line.exitAfterStart = true;
    } else if (auto folder = ValueOption("--data-dir", arguments, i)) {
        line.dataDir = *folder;
    } else if (auto file = ValueOption("--export-ics", arguments, i)) {
        line.icsFile = *file;
    } else if (auto calendar = ValueOption("--import-ics", arguments, i)) {
        line.importFile = *calendar;
    } else if (auto from = ValueOption("--from", arguments, i)) {
        line.from = IsoDate(*from);
    } else if (auto to = ValueOption("--to", arguments, i)) {
        line.to = IsoDate(*to);
    } else if (IsQtOptionWithValue(argument)) {
        ++i;
    } else {
        bool option = argument.starts_with('-') && argument.size() > 1;
        throw UsageError(FormatMessage(option ? kUnknownOption : kUnexpectedArgument, argument));
    }
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        ReadArgument(arguments, i, line);
    }
    if ((line.from || line.to) && !line.icsFile && !line.importFile) {
        throw UsageError(std::string(kRangeWithoutExport));
    }
    if (line.icsFile && line.importFile) {
        throw UsageError(std::string(kExportAndImport));
    }
    if (line.from && line.to && *line.from > *line.to) {
        throw UsageError(std::string(kRangeReversed));
    }
    return line;
}

std::string HelpText() {
    return R"(Utilisation : brivonce [OPTION]...
Aide-mémoire qui reste dans la zone de notification : mémo, agenda de la
semaine avec alarmes, jours fériés et fêtes, post-it et liste de courses.

  --data-dir=DOSSIER       garde les données dans DOSSIER
  --export-ics=FICHIER     écrit les activités de l'agenda dans FICHIER au
                             format iCalendar (- : sur la sortie standard),
                             puis s'arrête
  --import-ics=FICHIER     ajoute à l'agenda les événements du calendrier
                             iCalendar FICHIER, sans remplacer aucune
                             activité, puis s'arrête
  --from=AAAA-MM-JJ        avec --export-ics ou --import-ics : à partir de
                             ce jour (import : aujourd'hui par défaut)
  --to=AAAA-MM-JJ          avec --export-ics ou --import-ics : jusqu'à ce
                             jour compris (import : un an après le premier
                             jour par défaut)
  --help                   affiche cette aide et s'arrête
  --version                affiche la version et s'arrête

Sans --data-dir, les données sont dans $XDG_DATA_HOME/brivonce/
(par défaut ~/.local/share/brivonce/), ou dans le dossier du programme
quand il contient déjà un fichier brivonce.ini.
Un seul exemplaire du programme tourne à la fois ; --export-ics peut
servir pendant qu'il tourne, --import-ics non : le menu du programme
« Importer un calendrier… » le remplace alors.
)";
}

std::string VersionText() {
    return "brivonce " BRIVONCE_VERSION "\n";
}

}  // namespace brivonce
