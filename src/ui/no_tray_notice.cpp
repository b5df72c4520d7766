#include "ui/no_tray_notice.h"

#include "settings/extra_settings.h"
#include "ui/app_context.h"
#include "ui/guarded.h"
#include "ui/message_boxes.h"

namespace brivonce {
namespace {

constexpr const char* kNoTrayNotice =
    "Aucune zone de notification n'a été trouvée : Brivonce continue de vous rappeler vos "
    "rendez-vous tant que sa fenêtre est ouverte ou réduite.\n\n"
    "Sous GNOME, l'extension AppIndicator affiche une zone de notification (paquet Debian "
    "gnome-shell-extension-appindicator).";

}  // namespace

void TellOnceThatNoTrayWasFound(AppContext& context, QWidget* parent) {
    Guarded(*context.messageBoxes, parent, [&] {
        if (LoadExtra(context.dataFolder, kNoTrayNoticeShown) != 0) {
            return;
        }
        context.messageBoxes->Show(parent, MessageBoxes::Icon::Information, kTitle,
                                   QString::fromUtf8(kNoTrayNotice), QMessageBox::Ok);
        SaveExtra(context.dataFolder, kNoTrayNoticeShown, 1);
    });
}

}  // namespace brivonce
