#pragma once

#include <QString>
#include <memory>
#include <string_view>

namespace brivonce {

inline constexpr std::string_view kCannotCreateKey = "Erreur de création de la clé %s";
inline constexpr std::string_view kCannotSetData = "Erreur à définition des données pour '%s'";

// Starting the program with the user's session.
class Autostart {
public:
    virtual ~Autostart() = default;
    // Makes the session start `programPath` (the running program's full path).
    // Raises Error with kCannotCreateKey or kCannotSetData.
    virtual void Enable(const QString& programPath) = 0;
    // The session no longer starts the program; nothing to do when it did not.
    // Raises Error with kCannotSetData when the entry stays.
    virtual void Disable() = 0;
};

// The freedesktop session autostart: an entry in
// $XDG_CONFIG_HOME/autostart (by default ~/.config/autostart).
class XdgAutostart : public Autostart {
public:
    void Enable(const QString& programPath) override;
    void Disable() override;

    // Where the entry goes, from the environment of the moment.
    static QString EntryPath();
};

std::unique_ptr<Autostart> MakeAutostart();

}  // namespace brivonce
