// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: renders the program's scalable icon into the PNG sizes of the hicolor theme.
// Usage: zindle_icon_renderer ICON.svg OUTDIR SIZE...   (writes OUTDIR/SIZE.png)

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3) {
        err << "usage: zindle_icon_renderer ICON.svg OUTDIR SIZE...\n";
        return 2;
    }
    QSvgRenderer svg(args[0]);
    if (!svg.isValid()) {
        err << "zindle_icon_renderer: cannot read " << args[0] << '\n';
        return 1;
    }
    for (const QString &sizeText : args.mid(2)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            err << "zindle_icon_renderer: not a size: " << sizeText << '\n';
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString path = args[1] + QLatin1Char('/') + sizeText + QStringLiteral(".png");
        if (!image.save(path)) {
            err << "zindle_icon_renderer: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
