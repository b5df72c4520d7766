#include "text/error.h"

#include <gtest/gtest.h>

namespace brivonce {
namespace {

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersAboveIt) {
    EXPECT_EQ(ErrorBoxText("Image bitmap incorrecte"), "Image bitmap incorrecte.");
    EXPECT_EQ(ErrorBoxText("Déjà fini."), "Déjà fini.");
    EXPECT_EQ(ErrorBoxText("Vraiment ?"), "Vraiment ?.");  // '?' is above '.'
    EXPECT_EQ(ErrorBoxText("Arrêt !"), "Arrêt !");         // '!' is below '.'
    EXPECT_EQ(ErrorBoxText("Fichier C:\\x-"), "Fichier C:\\x-");
    EXPECT_EQ(ErrorBoxText("Valeur 5"), "Valeur 5.");
    EXPECT_EQ(ErrorBoxText("après"), "après.");
    EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(FormatMessage, ReplacesTheFirstMarker) {
    EXPECT_EQ(FormatMessage(kCannotWrite, "/tmp/a.ini"), "Impossible d'écrire dans /tmp/a.ini");
    EXPECT_EQ(FormatMessage("Erreur E/S %d", "28"), "Erreur E/S 28");
    EXPECT_EQ(FormatMessage("sans marque", "x"), "sans marque");
}

}  // namespace
}  // namespace brivonce
