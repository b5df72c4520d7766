#include "platform/autostart.h"

#include <QDir>
#include <filesystem>
#include <system_error>

#include "platform/autostart_entry.h"
#include "text/error.h"
#include "text/safe_file.h"

namespace brivonce {
namespace {

namespace fs = std::filesystem;

// The XDG base directory rule: an empty or relative XDG_CONFIG_HOME is ignored.
QString ConfigHome() {
    QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured)) {
        return configured;
    }
    return QDir::homePath() + "/.config";
}

fs::path ToPath(const QString& path) {
    return fs::path(path.toStdString());
}

void MakeFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) {
        throw Error(FormatMessage(kCannotCreateKey, folder.string()));
    }
}

// An entry that cannot be read is written again: the write says what is wrong.
bool Holds(const fs::path& entry, const std::string& text) {
    try {
        return ReadWholeFile(entry, kCannotSetData) == text;
    } catch (const Error&) {
        return false;
    }
}

}  // namespace

QString XdgAutostart::EntryPath() {
    return ConfigHome() + "/autostart/brivonce.desktop";
}

void XdgAutostart::Enable(const QString& programPath, const QStringList& arguments) {
    fs::path entry = ToPath(EntryPath());
    MakeFolder(entry.parent_path());
    std::vector<std::string> words;
    for (const QString& argument : arguments) {
        words.push_back(argument.toStdString());
    }
    std::string text = AutostartEntryText(programPath.toStdString(), words);
    if (!Holds(entry, text)) {
        ReplaceFile(entry, text, kCannotSetData);
    }
}

void XdgAutostart::Disable() {
    fs::path entry = ToPath(EntryPath());
    std::error_code ec;
    fs::remove(entry, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        throw Error(FormatMessage(kCannotSetData, entry.string()));
    }
}

std::unique_ptr<Autostart> MakeAutostart() {
    return std::make_unique<XdgAutostart>();
}

}  // namespace brivonce
