#include "ui/icons.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QProxyStyle>
#include <QTransform>

#include "ui/icon_pixels.h"

namespace brivonce {
namespace {

QImage ImageOf(const IconPixels& picture) {
    return QImage(reinterpret_cast<const uchar*>(picture.pixels), picture.size, picture.size,
                  picture.size * 4, QImage::Format_ARGB32_Premultiplied);
}

class BuiltInIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        switch (icon) {
            case SP_ToolBarHorizontalExtensionButton:
                return BuiltInIcon("toolbar_extension");
            case SP_ToolBarVerticalExtensionButton:
                return Turned(BuiltInIcon("toolbar_extension"));
            default:
                return QProxyStyle::standardIcon(icon, option, widget);
        }
    }

private:
    // The same chevrons pointing down.
    static QIcon Turned(const QIcon& icon) {
        QIcon turned;
        for (QSize size : icon.availableSizes()) {
            turned.addPixmap(icon.pixmap(size).transformed(QTransform().rotate(90)));
        }
        return turned;
    }
};

}  // namespace

QIcon BuiltInIcon(const QString& name) {
    QIcon icon;
    for (std::size_t i = 0; i < kIconPixelCount; ++i) {
        if (name == QLatin1String(kIconPixels[i].name)) {
            icon.addPixmap(QPixmap::fromImage(ImageOf(kIconPixels[i])));
        }
    }
    return icon;
}

void UseBuiltInToolbarIcons() {
    QApplication::setStyle(new BuiltInIconStyle);
}

}  // namespace brivonce
