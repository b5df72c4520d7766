#include "platform/desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>

namespace brivonce {

bool Desktop::OpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool WindowPositionsKnown() {
    return !QGuiApplication::platformName().startsWith("wayland");
}

QString FindShippedFile(const QString& name) {
    const QString candidates[] = {
        QCoreApplication::applicationDirPath() + "/" BRIVONCE_SHARED_FROM_PROGRAM "/" + name,
        QStringLiteral(BRIVONCE_SOURCE_DATA_DIR) + "/" + name,
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            return QFileInfo(candidate).canonicalFilePath();
        }
    }
    return {};
}

}  // namespace brivonce
