// Build tool: renders the program's SVG icon as a square PNG for icon themes.
// Usage: render_icon in.svg size out.png
#include <QString>
#include <cstdio>

#include "render_svg.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icon in.svg size out.png\n");
        return 2;
    }
    int size = QString(argv[2]).toInt();
    QImage image = RenderSvg(QString::fromLocal8Bit(argv[1]), size);
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "render_icon: cannot render %s at %s pixels\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
