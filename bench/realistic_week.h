#pragma once

#include "agenda/week_store.h"

namespace brivonce {

// A busy week: a dozen appointments, some with moved times and accented text.
inline Week RealisticWeek() {
    Week week;
    const char* texts[] = {
        "Dentiste", "Réunion d'équipe",    "Piscine avec les enfants", "Appeler Mme Lefèvre",
        "Courses",  "Déjeuner chez Hélène"};
    for (int day = 1; day <= kDaysPerWeek; ++day) {
        for (int slot : {9, 11, 15, 19}) {
            if ((day + slot) % 3 != 0) {
                week.At(day, slot).text = texts[(day * slot) % 6];
            }
        }
        week.At(day, 15).label = "14:30";
    }
    return week;
}

}  // namespace brivonce
