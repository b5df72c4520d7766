#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace brivonce {

// An error that ends the current operation; its message is the French text the
// user sees in the error box.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Puts `argument` in place of the first "%s" (or "%d") of `pattern`.
std::string FormatMessage(std::string_view pattern, std::string_view argument);

// The text of the error box: a full stop is added when the last character's
// code is greater than that of the full stop.
std::string ErrorBoxText(std::string_view message);

inline constexpr std::string_view kCannotWrite = "Impossible d'écrire dans %s";
inline constexpr std::string_view kCannotCreate = "Impossible de créer le fichier %s";
inline constexpr std::string_view kCannotOpen = "Impossible d'ouvrir le fichier %s";
inline constexpr std::string_view kNotAnInteger = "'%s' n'est pas une valeur entière correcte";

}  // namespace brivonce
