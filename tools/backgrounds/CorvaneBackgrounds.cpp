// corvane-backgrounds <folder>: draws the six background pictures of the
// demo data folder (Morning.jpg .. Midday.jpg), so the background chosen by
// the hour can be seen without downloading anything. Each is a soft
// gradient, light enough for the window's dark label text, with its name.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cstdio>

namespace {

// The main window's full size in pixels; smaller windows show the top-left part.
constexpr int kWidthPx = 800;
constexpr int kHeightPx = 560;

struct Picture {
    const char* fileName;
    QColor from;
    QColor to;
    QColor glow;
};

const Picture kPictures[] = {
    {"Morning.jpg", QColor(255, 227, 200), QColor(248, 208, 224), QColor(255, 246, 214)},
    {"Noon.jpg", QColor(216, 238, 255), QColor(244, 251, 255), QColor(255, 255, 236)},
    {"Afternoon.jpg", QColor(255, 241, 193), QColor(255, 217, 168), QColor(255, 250, 225)},
    {"Night.jpg", QColor(217, 212, 242), QColor(188, 186, 222), QColor(236, 234, 250)},
    {"Daybreak.jpg", QColor(221, 245, 232), QColor(245, 221, 230), QColor(250, 250, 236)},
    {"Midday.jpg", QColor(255, 251, 214), QColor(214, 244, 244), QColor(255, 255, 245)},
};

QImage draw(const Picture& p) {
    QImage image(kWidthPx, kHeightPx, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, kWidthPx, kHeightPx);
    sky.setColorAt(0, p.from);
    sky.setColorAt(1, p.to);
    painter.fillRect(image.rect(), sky);
    QRadialGradient glow(QPointF(kWidthPx * 0.72, kHeightPx * 0.3), kHeightPx * 0.45);
    glow.setColorAt(0, p.glow);
    glow.setColorAt(1, QColor(p.glow.red(), p.glow.green(), p.glow.blue(), 0));
    painter.fillRect(image.rect(), glow);
    // The name, large and faint, so it tells the pictures apart without
    // getting in the way of the text in front of it.
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(64);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 28));
    const QString name = QFileInfo(QString::fromLatin1(p.fileName)).completeBaseName();
    painter.drawText(QRect(0, kHeightPx / 2 - 60, kWidthPx, 120), Qt::AlignCenter, name);
    painter.end();
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvane-backgrounds <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "corvane-backgrounds: cannot create %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const Picture& p : kPictures) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(p.fileName));
        if (draw(p).save(path, "JPG", 90)) {
            std::printf("corvane-backgrounds: made %s\n", p.fileName);
        } else {
            std::fprintf(stderr, "corvane-backgrounds: could not write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
