#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string_view>

namespace brivonce {

inline constexpr std::string_view kCannotCreateKey = "Erreur de création de la clé %s";
inline constexpr std::string_view kCannotSetData = "Erreur à définition des données pour '%s'";

// Starting the program with the user's session.
class Autostart {
public:
    virtual ~Autostart() = default;
    // Makes the session start `programPath` (the running program's full path)
    // with `arguments`. Raises Error with kCannotCreateKey or kCannotSetData.
    virtual void Enable(const QString& programPath, const QStringList& arguments) = 0;
    // The session no longer starts the program; nothing to do when it did not.
    // Raises Error with kCannotSetData when the entry stays.
    virtual void Disable() = 0;
};

// The freedesktop session autostart: an entry in
// $XDG_CONFIG_HOME/autostart (by default ~/.config/autostart).
class XdgAutostart : public Autostart {
public:
    // Leaves an entry that already says the same untouched: every start
    // enables it, and a rewrite would cost a sync to disk each time.
    void Enable(const QString& programPath, const QStringList& arguments) override;
    void Disable() override;

    // Where the entry goes, from the environment of the moment.
    static QString EntryPath();
};

std::unique_ptr<Autostart> MakeAutostart();

}  // namespace brivonce
