#include "platform/pictures.h"

#include "platform/fonts.h"

#include <QGuiApplication>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPair>

#include <cmath>
#include <functional>

namespace {

// Pictures for the screen are drawn at the device pixel ratio of the densest screen, so that they
// are sharp wherever their window goes.
double ScreenRatio() {
    return qGuiApp->devicePixelRatio();
}

// A picture drawn once for each zoom it is asked for at.
QPixmap Cached(const QString& key, const std::function<QPixmap()>& draw, double zoom = 1) {
    static QHash<QPair<QString, double>, QPixmap> cache;
    const QPair<QString, double> at(key, zoom);
    auto it = cache.find(at);
    if (it == cache.end()) {
        it = cache.insert(at, draw());
    }
    return *it;
}

// A picture of the game window for the window shown at `zoom` times its original size: drawn for
// the screen's density times the zoom, so that it is as sharp as the screen allows and that much
// larger.
QPixmap Zoomed(const QString& key, const std::function<QPixmap(double ratio)>& draw, double zoom) {
    return Cached(
        key,
        [&] {
            QPixmap pixmap = draw(ScreenRatio() * zoom);
            pixmap.setDevicePixelRatio(ScreenRatio());
            return pixmap;
        },
        zoom);
}

// An empty picture of a size in pixels, at a device pixel ratio: the screen's unless told.
QPixmap Blank(int width, int height, double ratio = 0) {
    ratio = ratio > 0 ? ratio : ScreenRatio();
    QPixmap pixmap(static_cast<int>(std::lround(width * ratio)),
                   static_cast<int>(std::lround(height * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Light and dark edges one pixel wide, as squares of device pixels on a dense screen.
void Bevel(QPainter& p, const QRect& r, QColor light, QColor dark) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), light);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), light);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), dark);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), dark);
}

QPixmap DrawKnop(int n, bool selected, double ratio) {
    QPixmap pixmap = Blank(32, 32, ratio);
    QPainter p(&pixmap);
    const QRect outer(0, 0, 32, 32);
    QLinearGradient face(0, 0, 0, 32);
    if (selected) {
        face.setColorAt(0, QColor(255, 214, 64));
        face.setColorAt(1, QColor(232, 140, 0));
    } else {
        face.setColorAt(0, QColor(250, 250, 250));
        face.setColorAt(1, QColor(208, 212, 220));
    }
    p.fillRect(outer, face);
    if (selected) {
        Bevel(p, outer, QColor(96, 48, 0), QColor(255, 240, 200));
        Bevel(p, outer.adjusted(1, 1, -1, -1), QColor(160, 90, 0), QColor(255, 230, 160));
    } else {
        Bevel(p, outer, Qt::white, QColor(64, 64, 64));
        Bevel(p, outer.adjusted(1, 1, -1, -1), QColor(236, 236, 236), QColor(128, 128, 128));
    }
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(PointFont(QStringLiteral("Arial"), 14.25, true));
    p.setPen(selected ? QColor(128, 0, 0) : QColor(24, 40, 112));
    p.drawText(outer.translated(selected ? 1 : 0, selected ? 1 : 0), Qt::AlignCenter,
               QString::number(n));
    return pixmap;
}

QPixmap DrawLock(bool open, double ratio) {
    QPixmap pixmap = Blank(32, 32, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shackle;
    const double lift = open ? 5 : 0;
    const double shift = open ? 8 : 0;
    shackle.moveTo(10 + shift, 16 - lift);
    shackle.lineTo(10 + shift, 10 - lift);
    shackle.arcTo(10 + shift, 3 - lift, 12, 14, 180, -180);
    shackle.lineTo(22 + shift, open ? 12 - lift : 16);
    p.setPen(QPen(QColor(110, 110, 120), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(shackle);
    QLinearGradient body(0, 15, 0, 30);
    body.setColorAt(0, QColor(250, 210, 80));
    body.setColorAt(1, QColor(190, 130, 20));
    p.setPen(QPen(QColor(120, 80, 0), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(6.5, 15.5, 19, 14), 2, 2);
    p.setBrush(QColor(60, 40, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(16, 21), 2, 2);
    p.drawRect(QRectF(15.2, 21, 1.6, 5));
    return pixmap;
}

QPixmap DrawCommandIcon(int i, double ratio) {
    if (i == 4) {
        return DrawLock(false, ratio);
    }
    QPixmap pixmap = Blank(32, 32, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (i) {
        case 1: {  // a folder to load from
            p.setPen(QPen(QColor(150, 100, 10), 1));
            p.setBrush(QColor(240, 190, 70));
            p.drawRoundedRect(QRectF(3.5, 6.5, 11, 5), 1.5, 1.5);
            p.setBrush(QColor(252, 214, 100));
            p.drawRoundedRect(QRectF(3.5, 9.5, 25, 18), 1.5, 1.5);
            p.setPen(QPen(QColor(40, 110, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(16, 13), QPointF(16, 23));
            p.drawLine(QPointF(12, 19), QPointF(16, 23));
            p.drawLine(QPointF(20, 19), QPointF(16, 23));
            break;
        }
        case 2: {  // a globe for the web page
            p.setPen(QPen(QColor(20, 70, 140), 1.5));
            p.setBrush(QColor(120, 180, 240));
            p.drawEllipse(QRectF(3, 3, 26, 26));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(10, 3, 12, 26));
            p.drawLine(QPointF(16, 3), QPointF(16, 29));
            p.drawLine(QPointF(3, 16), QPointF(29, 16));
            p.drawLine(QPointF(5.5, 9.5), QPointF(26.5, 9.5));
            p.drawLine(QPointF(5.5, 22.5), QPointF(26.5, 22.5));
            break;
        }
        case 3: {  // a light bulb for the hint
            QRadialGradient glow(QPointF(14, 11), 12);
            glow.setColorAt(0, QColor(255, 255, 200));
            glow.setColorAt(1, QColor(250, 200, 30));
            p.setPen(QPen(QColor(150, 110, 0), 1));
            p.setBrush(glow);
            p.drawEllipse(QRectF(7, 2, 18, 18));
            p.setBrush(QColor(150, 150, 160));
            p.drawRect(QRectF(11.5, 19.5, 9, 7));
            p.setPen(QPen(QColor(90, 90, 100), 1));
            p.drawLine(QPointF(11.5, 22), QPointF(20.5, 22));
            p.drawLine(QPointF(11.5, 24.5), QPointF(20.5, 24.5));
            p.setBrush(QColor(90, 90, 100));
            p.drawRect(QRectF(13.5, 26.5, 5, 2.5));
            break;
        }
        default: {  // a printer
            p.setPen(QPen(QColor(60, 60, 70), 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(9.5, 3.5, 13, 10));
            p.setBrush(QColor(170, 175, 185));
            p.drawRoundedRect(QRectF(3.5, 11.5, 25, 11), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(8.5, 19.5, 15, 9));
            p.setPen(QPen(QColor(120, 120, 130), 1));
            p.drawLine(QPointF(11, 23), QPointF(21, 23));
            p.drawLine(QPointF(11, 26), QPointF(19, 26));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 170, 40));
            p.drawEllipse(QPointF(24, 15), 1.5, 1.5);
            break;
        }
    }
    return pixmap;
}

QImage DrawLogo() {
    QImage image(500, 100, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 500, 100);
    sky.setColorAt(0, QColor(30, 60, 130));
    sky.setColorAt(1, QColor(70, 140, 210));
    p.fillRect(image.rect(), sky);
    // A small puzzle at the left: givens on grey, a few of the player's digits in red.
    const char* cells =
        "53  7    "
        "6  195   "
        " 98    6 "
        "8   6   3"
        "4  8 3  1"
        "7   2   6"
        " 6    28 "
        "   419  5"
        "    8  79";
    const char* played =
        "  46     "
        "         "
        "    4    "
        "   7  4  "
        "         "
        "  3      "
        "  1      "
        " 8       "
        "3    6   ";
    constexpr double cell = 9;
    const QRectF board(14, 9, 9 * cell, 9 * cell);
    p.fillRect(board, Qt::white);
    p.setFont(PointFont(QStringLiteral("Arial"), 5.25, true));
    for (int k = 0; k < 81; ++k) {
        const QRectF face(board.left() + (k % 9) * cell, board.top() + (k / 9) * cell, cell, cell);
        if (cells[k] != ' ') {
            p.fillRect(face, QColor(230, 230, 230));
            p.setPen(Qt::black);
            p.drawText(face, Qt::AlignCenter, QString(QChar::fromLatin1(cells[k])));
        } else if (played[k] != ' ') {
            p.setPen(QColor(190, 0, 0));
            p.drawText(face, Qt::AlignCenter, QString(QChar::fromLatin1(played[k])));
        }
    }
    p.setPen(QPen(QColor(190, 190, 190), 1));
    for (int k = 1; k < 9; ++k) {
        p.drawLine(QPointF(board.left() + k * cell, board.top()),
                   QPointF(board.left() + k * cell, board.bottom()));
        p.drawLine(QPointF(board.left(), board.top() + k * cell),
                   QPointF(board.right(), board.top() + k * cell));
    }
    p.setPen(QPen(Qt::black, 1.5));
    for (int k = 0; k <= 3; ++k) {
        p.drawLine(QPointF(board.left() + k * 3 * cell, board.top()),
                   QPointF(board.left() + k * 3 * cell, board.bottom()));
        p.drawLine(QPointF(board.left(), board.top() + k * 3 * cell),
                   QPointF(board.right(), board.top() + k * 3 * cell));
    }
    p.setPen(Qt::white);
    p.setFont(PointFont(QStringLiteral("Arial"), 42, true));
    p.drawText(QRectF(110, 4, 380, 66), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Sudoku"));
    p.setPen(QColor(220, 235, 255));
    p.setFont(PointFont(QStringLiteral("Arial"), 11.25, false));
    p.drawText(QRectF(112, 66, 380, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vul elk vakje met een getal van 1 tot en met 9"));
    return image;
}

// A soft grey shadow: darkest along one long edge, fading to white away from it and towards
// both ends.
QImage DrawShadow(int width, int height, bool horizontal) {
    QImage image(width, height, QImage::Format_RGB32);
    const int length = horizontal ? width : height;
    const int depth = horizontal ? height : width;
    const double fadeEnds = depth;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int along = horizontal ? x : y;
            const int across = horizontal ? y : x;
            double strength = 1.0 - static_cast<double>(across) / depth;
            const double toEnd = std::min(along, length - 1 - along) / fadeEnds;
            strength *= std::min(1.0, toEnd);
            strength = strength * strength;
            const int grey = static_cast<int>(std::lround(255 - 115 * strength));
            image.setPixel(x, y, qRgb(grey, grey, grey));
        }
    }
    return image;
}

QPixmap DrawClosePicture() {
    QPixmap pixmap = Blank(40, 30);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, 30);
    face.setColorAt(0, QColor(250, 120, 110));
    face.setColorAt(1, QColor(190, 30, 30));
    p.setPen(QPen(QColor(110, 10, 10), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, 39, 29), 5, 5);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 9), QPointF(26, 21));
    p.drawLine(QPointF(26, 9), QPointF(14, 21));
    return pixmap;
}

QPixmap DrawProgramIcon() {
    QPixmap pixmap = Blank(64, 64);
    QPainter p(&pixmap);
    p.fillRect(QRect(2, 2, 60, 60), Qt::white);
    p.fillRect(QRect(22, 2, 20, 20), QColor(230, 230, 230));
    p.fillRect(QRect(2, 22, 20, 20), QColor(230, 230, 230));
    p.fillRect(QRect(42, 42, 20, 20), QColor(230, 230, 230));
    p.setPen(QPen(Qt::black, 3));
    p.drawRect(QRect(2, 2, 60, 60));
    p.drawLine(22, 2, 22, 62);
    p.drawLine(42, 2, 42, 62);
    p.drawLine(2, 22, 62, 22);
    p.drawLine(2, 42, 62, 42);
    // The font of the number buttons, which the window needs at its start anyway.
    p.setFont(PointFont(QStringLiteral("Arial"), 14.25, true));
    p.setPen(QColor(190, 0, 0));
    p.drawText(QRect(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("5"));
    p.setPen(Qt::black);
    p.drawText(QRect(22, 22, 20, 20), Qt::AlignCenter, QStringLiteral("9"));
    p.drawText(QRect(42, 2, 20, 20), Qt::AlignCenter, QStringLiteral("3"));
    return pixmap;
}

QPixmap DrawSettingsPicture() {
    QPixmap pixmap = Blank(32, 32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient panel(0, 0, 0, 32);
    panel.setColorAt(0, QColor(245, 245, 250));
    panel.setColorAt(1, QColor(200, 205, 215));
    p.setPen(QPen(QColor(90, 95, 110), 1));
    p.setBrush(panel);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 4, 4);
    const QColor knobs[] = {QColor(200, 30, 30), QColor(30, 160, 40), QColor(40, 70, 200)};
    const double knobAt[] = {20, 9, 15};
    for (int k = 0; k < 3; ++k) {
        const double y = 8.5 + 7.5 * k;
        p.setPen(QPen(QColor(110, 110, 120), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, y), QPointF(27, y));
        p.setPen(QPen(knobs[k].darker(150), 1));
        p.setBrush(knobs[k]);
        p.drawRoundedRect(QRectF(knobAt[k] - 2.5, y - 4, 5, 8), 1.5, 1.5);
    }
    return pixmap;
}

}  // namespace

namespace Plaatjes {

QPixmap Knop(int n, bool selected, double zoom) {
    return Zoomed(
        QStringLiteral("knop%1%2").arg(n).arg(selected),
        [=](double ratio) { return DrawKnop(n, selected, ratio); }, zoom);
}
QPixmap SlotClose(double zoom) {
    return Zoomed(
        QStringLiteral("slotclose"), [](double ratio) { return DrawLock(false, ratio); }, zoom);
}
QPixmap SlotOpen(double zoom) {
    return Zoomed(
        QStringLiteral("slotopen"), [](double ratio) { return DrawLock(true, ratio); }, zoom);
}
QPixmap CommandIcon(int i, double zoom) {
    return Zoomed(
        QStringLiteral("img%1").arg(i), [=](double ratio) { return DrawCommandIcon(i, ratio); },
        zoom);
}
QImage Logo() {
    return DrawLogo();
}
QImage BottomShadow() {
    return DrawShadow(450, 50, true);
}
QImage RightShadow() {
    return DrawShadow(50, 400, false);
}
QPixmap ClosePicture() {
    return Cached(QStringLiteral("close"), DrawClosePicture);
}
QPixmap ProgramIcon() {
    return Cached(QStringLiteral("icon"), DrawProgramIcon);
}
QPixmap SettingsPicture() {
    return Cached(QStringLiteral("settings"), DrawSettingsPicture);
}

}  // namespace Plaatjes
