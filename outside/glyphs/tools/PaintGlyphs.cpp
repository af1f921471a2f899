// Paints the button pictures of the glyph library into PNG strips, one file per glyph
// number ("008.png"), in the folder given as the only argument. The strips are committed
// under outside/glyphs/pictures; run this after changing a picture.
//
// Every cell is 16 x 16 pixels on the transparent colour (fuchsia, the colour of the
// bottom-left pixel). Shapes are painted antialiased on a clear image and then flattened
// against the button face, so that no half-transparent fringe of the key colour remains.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kCell = 16;
const QColor kKey(255, 0, 255);
const QColor kFace(240, 240, 240);

using Paint = std::function<void(QPainter &)>;

struct Picture {
    int number;
    Paint paint;
    bool withDisabledCell;
};

QPen pen(const QColor &color, qreal width = 1.0)
{
    QPen p(color, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void tick(QPainter &p, qreal dx = 0, qreal dy = 0, qreal scale = 1.0)
{
    QPainterPath path;
    path.moveTo(dx + 2.5 * scale, dy + 8.5 * scale);
    path.lineTo(dx + 6 * scale, dy + 12 * scale);
    path.lineTo(dx + 13.5 * scale, dy + 3.5 * scale);
    p.setPen(pen(QColor(0, 110, 0), 3.2 * scale));
    p.drawPath(path);
    p.setPen(pen(QColor(40, 190, 40), 1.6 * scale));
    p.drawPath(path);
}

void cross(QPainter &p, const QRectF &r, const QColor &dark, const QColor &light, qreal width)
{
    p.setPen(pen(dark, width + 1.4));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
    p.setPen(pen(light, width));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

void sheet(QPainter &p, const QRectF &r, int lines)
{
    p.setPen(pen(QColor(90, 90, 90)));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(pen(QColor(120, 140, 190)));
    for (int i = 0; i < lines; ++i) {
        const qreal y = r.top() + 3 + i * 2.5;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

void magnifier(QPainter &p, const QPointF &centre, qreal radius)
{
    const QPointF handleStart = centre + QPointF(radius * 0.72, radius * 0.72);
    p.setPen(pen(QColor(110, 60, 20), 3.0));
    p.drawLine(handleStart, handleStart + QPointF(radius * 0.9, radius * 0.9));
    p.setPen(pen(QColor(40, 40, 40), 1.4));
    p.setBrush(QColor(170, 215, 250));
    p.drawEllipse(centre, radius, radius);
    p.setPen(pen(Qt::white, 1.0));
    p.drawArc(QRectF(centre.x() - radius + 1.5, centre.y() - radius + 1.5, radius, radius),
              90 * 16, 90 * 16);
}

void person(QPainter &p, const QPointF &at, const QColor &shirt)
{
    p.setPen(pen(QColor(60, 40, 20), 0.8));
    p.setBrush(QColor(250, 205, 160));
    p.drawEllipse(QRectF(at.x() - 2.5, at.y(), 5, 5));
    p.setBrush(shirt);
    p.drawRoundedRect(QRectF(at.x() - 4, at.y() + 5.5, 8, 6), 2.5, 2.5);
}

void roundArrow(QPainter &p, const QRectF &r, const QColor &color)
{
    p.setPen(pen(color, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(r, 30 * 16, 280 * 16);
    const QPointF tip(r.right() - 0.5, r.center().y() - r.height() * 0.32);
    QPainterPath head;
    head.moveTo(tip + QPointF(-3.5, -1.5));
    head.lineTo(tip + QPointF(1.5, -2.5));
    head.lineTo(tip + QPointF(0.5, 2.5));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(head);
}

const std::vector<Picture> &pictures()
{
    static const std::vector<Picture> list{
        // 1: OK.
        {1, [](QPainter &p) { tick(p); }, false},
        // 2: cancel.
        {2, [](QPainter &p) { cross(p, QRectF(3.5, 3.5, 9, 9), QColor(140, 0, 0), QColor(230, 40, 40), 2.0); }, false},
        // 3: submit and close: a tick leaving through a door.
        {3, [](QPainter &p) {
             p.setPen(pen(QColor(100, 70, 30)));
             p.setBrush(QColor(200, 150, 90));
             p.drawRect(QRectF(9.5, 1.5, 5, 13));
             tick(p, -1, 1, 0.8);
             p.setPen(pen(QColor(0, 70, 160), 1.6));
             p.drawLine(QPointF(6, 14), QPointF(14, 14));
         }, false},
        // 4: clear the list: an eraser.
        {4, [](QPainter &p) {
             QPainterPath body;
             body.moveTo(1.5, 10.5);
             body.lineTo(8.5, 3.5);
             body.lineTo(14.5, 9.5);
             body.lineTo(10.5, 13.5);
             body.lineTo(4.5, 13.5);
             body.closeSubpath();
             p.setPen(pen(QColor(80, 40, 60)));
             p.setBrush(QColor(240, 120, 160));
             p.drawPath(body);
             p.setBrush(QColor(90, 120, 230));
             QPainterPath band;
             band.moveTo(5.5, 6.5);
             band.lineTo(8.5, 3.5);
             band.lineTo(14.5, 9.5);
             band.lineTo(11.5, 12.5);
             band.closeSubpath();
             p.drawPath(band);
         }, true},
        // 5: submit and stay: a tick with a turning arrow.
        {5, [](QPainter &p) {
             roundArrow(p, QRectF(6.5, 6.5, 8, 8), QColor(0, 90, 200));
             tick(p, 0, -1, 0.7);
         }, false},
        // 6: drop-down arrow.
        {6, [](QPainter &p) {
             QPainterPath head;
             head.moveTo(4, 6);
             head.lineTo(12, 6);
             head.lineTo(8, 11);
             head.closeSubpath();
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::black);
             p.drawPath(head);
         }, false},
        // 8: lookup.
        {8, [](QPainter &p) { magnifier(p, QPointF(6.5, 6.5), 4.5); }, false},
        // 9: date quick-pick: a calendar leaf.
        {9, [](QPainter &p) {
             p.setPen(pen(QColor(70, 70, 70)));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(1.5, 2.5, 13, 12));
             p.setBrush(QColor(210, 40, 40));
             p.drawRect(QRectF(1.5, 2.5, 13, 3.5));
             p.setPen(pen(QColor(50, 50, 50), 1.2));
             p.drawLine(QPointF(4.5, 1), QPointF(4.5, 4));
             p.drawLine(QPointF(11.5, 1), QPointF(11.5, 4));
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(60, 90, 170));
             for (int row = 0; row < 3; ++row)
                 for (int col = 0; col < 4; ++col)
                     p.drawRect(QRectF(3 + col * 2.7, 7.5 + row * 2.3, 1.6, 1.4));
         }, false},
        // 11: common phrases: a speech bubble with text lines.
        {11, [](QPainter &p) {
             QPainterPath bubble;
             bubble.addRoundedRect(QRectF(1.5, 1.5, 13, 9.5), 3, 3);
             QPainterPath tail;
             tail.moveTo(4, 10);
             tail.lineTo(3.5, 14.5);
             tail.lineTo(8, 10);
             tail.closeSubpath();
             p.setPen(pen(QColor(150, 110, 0)));
             p.setBrush(QColor(255, 230, 120));
             p.drawPath(bubble.united(tail));
             p.setPen(pen(QColor(120, 80, 0)));
             p.drawLine(QPointF(4, 4.5), QPointF(12, 4.5));
             p.drawLine(QPointF(4, 7.5), QPointF(10, 7.5));
         }, false},
        // 12: query directly: a sheet with a lightning flash.
        {12, [](QPainter &p) {
             sheet(p, QRectF(1.5, 1.5, 10, 13), 4);
             QPainterPath flash;
             flash.moveTo(12, 4);
             flash.lineTo(8, 10);
             flash.lineTo(11, 10);
             flash.lineTo(9, 15);
             flash.lineTo(15, 8);
             flash.lineTo(12, 8);
             flash.lineTo(14.5, 4);
             flash.closeSubpath();
             p.setPen(pen(QColor(160, 100, 0), 0.8));
             p.setBrush(QColor(255, 200, 0));
             p.drawPath(flash);
         }, false},
        // 13: design report: a sheet and a pencil.
        {13, [](QPainter &p) {
             sheet(p, QRectF(1.5, 1.5, 10, 13), 4);
             p.setPen(pen(QColor(60, 60, 60), 3.4));
             p.drawLine(QPointF(6.5, 13), QPointF(13.5, 4.5));
             p.setPen(pen(QColor(240, 170, 30), 2.2));
             p.drawLine(QPointF(7, 12.3), QPointF(13.4, 4.6));
             p.setPen(pen(QColor(30, 30, 30), 1.2));
             p.drawPoint(QPointF(6, 13.6));
         }, false},
        // 14: web report: a globe.
        {14, [](QPainter &p) {
             p.setPen(pen(QColor(0, 70, 140), 1.1));
             p.setBrush(QColor(110, 180, 240));
             p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(5, 1.5, 6, 13));
             p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
             p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
             p.drawArc(QRectF(2.5, -2, 11, 8), 200 * 16, 140 * 16);
             p.drawArc(QRectF(2.5, 10, 11, 8), 20 * 16, 140 * 16);
         }, false},
        // 15: periodic job: a clock inside a turning arrow.
        {15, [](QPainter &p) {
             roundArrow(p, QRectF(1.5, 1.5, 13, 13), QColor(0, 120, 60));
             p.setPen(pen(QColor(40, 40, 40), 1.0));
             p.setBrush(Qt::white);
             p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
             p.drawLine(QPointF(8, 8), QPointF(8, 5.8));
             p.drawLine(QPointF(8, 8), QPointF(9.8, 8));
         }, false},
        // 21: save the scheme: a diskette.
        {21, [](QPainter &p) {
             p.setPen(pen(QColor(20, 30, 80)));
             p.setBrush(QColor(50, 80, 170));
             p.drawRect(QRectF(1.5, 1.5, 13, 13));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(3.5, 1.5, 9, 6));
             p.setBrush(QColor(190, 190, 190));
             p.drawRect(QRectF(4.5, 10.5, 7, 4));
         }, false},
        // 22: open a scheme: an open folder.
        {22, [](QPainter &p) {
             p.setPen(pen(QColor(140, 100, 0)));
             p.setBrush(QColor(230, 190, 80));
             p.drawRect(QRectF(1.5, 3.5, 12, 10));
             QPainterPath lid;
             lid.moveTo(3.5, 7.5);
             lid.lineTo(15, 7.5);
             lid.lineTo(13.5, 13.5);
             lid.lineTo(1.5, 13.5);
             lid.closeSubpath();
             p.setBrush(QColor(255, 225, 130));
             p.drawPath(lid);
         }, false},
        // 23: delete the scheme: a waste bin.
        {23, [](QPainter &p) {
             p.setPen(pen(QColor(60, 60, 60)));
             p.setBrush(QColor(170, 170, 180));
             QPainterPath bin;
             bin.moveTo(3.5, 4.5);
             bin.lineTo(12.5, 4.5);
             bin.lineTo(11.5, 14.5);
             bin.lineTo(4.5, 14.5);
             bin.closeSubpath();
             p.drawPath(bin);
             p.drawRect(QRectF(2.5, 2.5, 11, 2));
             p.drawLine(QPointF(6.5, 6.5), QPointF(6.5, 12.5));
             p.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 12.5));
         }, false},
        // 24: view style of the scheme list: four tiles.
        {24, [](QPainter &p) {
             p.setPen(pen(QColor(30, 60, 120)));
             p.setBrush(QColor(120, 170, 230));
             for (int row = 0; row < 2; ++row)
                 for (int col = 0; col < 2; ++col)
                     p.drawRect(QRectF(2.5 + col * 6.5, 2.5 + row * 6.5, 4.5, 4.5));
         }, false},
        // 25: a condition scheme: a sheet with ticked lines.
        {25, [](QPainter &p) {
             sheet(p, QRectF(2.5, 1.5, 11, 13), 0);
             for (int i = 0; i < 3; ++i) {
                 const qreal y = 4.5 + i * 3.5;
                 p.setPen(pen(QColor(0, 140, 0), 1.2));
                 p.drawLine(QPointF(4, y), QPointF(5, y + 1));
                 p.drawLine(QPointF(5, y + 1), QPointF(6.5, y - 1));
                 p.setPen(pen(QColor(120, 140, 190)));
                 p.drawLine(QPointF(8, y), QPointF(11.5, y));
             }
         }, false},
        // 39: users.
        {39, [](QPainter &p) {
             person(p, QPointF(10.5, 1.5), QColor(60, 140, 60));
             person(p, QPointF(5.5, 3.5), QColor(50, 90, 200));
         }, false},
        // 40: notification: a bell.
        {40, [](QPainter &p) {
             QPainterPath bell;
             bell.moveTo(2.5, 12.5);
             bell.cubicTo(4.5, 10.5, 3.5, 3, 8, 3);
             bell.cubicTo(12.5, 3, 11.5, 10.5, 13.5, 12.5);
             bell.closeSubpath();
             p.setPen(pen(QColor(150, 100, 0)));
             p.setBrush(QColor(250, 200, 40));
             p.drawPath(bell);
             p.drawEllipse(QRectF(6.5, 12.5, 3, 2.5));
             p.drawLine(QPointF(8, 1), QPointF(8, 3));
         }, false},
        // 47: delete the chosen rows: a list row struck out.
        {47, [](QPainter &p) {
             p.setPen(pen(QColor(90, 90, 90)));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(1.5, 2.5, 13, 11));
             p.setPen(pen(QColor(120, 140, 190)));
             for (int i = 0; i < 3; ++i)
                 p.drawLine(QPointF(3.5, 5.5 + i * 3), QPointF(12.5, 5.5 + i * 3));
             cross(p, QRectF(7.5, 7.5, 6, 6), QColor(140, 0, 0), QColor(230, 40, 40), 1.6);
         }, false},
        // 78: department: an organisation chart.
        {78, [](QPainter &p) {
             p.setPen(pen(QColor(40, 40, 40)));
             p.drawLine(QPointF(8, 5), QPointF(8, 8.5));
             p.drawLine(QPointF(3.5, 8.5), QPointF(12.5, 8.5));
             p.drawLine(QPointF(3.5, 8.5), QPointF(3.5, 10.5));
             p.drawLine(QPointF(12.5, 8.5), QPointF(12.5, 10.5));
             p.setBrush(QColor(230, 120, 40));
             p.drawRect(QRectF(5, 1.5, 6, 4));
             p.setBrush(QColor(80, 140, 220));
             p.drawRect(QRectF(1, 10.5, 5, 4));
             p.drawRect(QRectF(10, 10.5, 5, 4));
         }, false},
        // 81: footer and sign-off lookup: a signed sheet under a magnifier.
        {81, [](QPainter &p) {
             sheet(p, QRectF(1.5, 1.5, 11, 13), 2);
             p.setPen(pen(QColor(20, 40, 160), 1.0));
             QPainterPath signature;
             signature.moveTo(3, 12);
             signature.cubicTo(4, 9, 5, 13, 6.5, 10.5);
             signature.cubicTo(7.5, 9, 8, 12.5, 9.5, 11);
             p.setBrush(Qt::NoBrush);
             p.drawPath(signature);
             magnifier(p, QPointF(10.5, 7), 3.2);
         }, false},
    };
    return list;
}

// The picture flattened onto the key colour: covered pixels take their colour as seen
// against the button face, the rest becomes the transparent colour.
QImage flatten(const QImage &painted)
{
    QImage cell(painted.size(), QImage::Format_RGB32);
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            const QColor c = painted.pixelColor(x, y);
            if (c.alphaF() < 0.35) {
                cell.setPixelColor(x, y, kKey);
                continue;
            }
            const qreal a = c.alphaF();
            cell.setPixelColor(x, y, QColor::fromRgbF(c.redF() * a + kFace.redF() * (1 - a),
                                                      c.greenF() * a + kFace.greenF() * (1 - a),
                                                      c.blueF() * a + kFace.blueF() * (1 - a)));
        }
    }
    return cell;
}

// The disabled look: the shape in grey with a white edge one pixel down and right.
QImage disabledOf(const QImage &cell)
{
    QImage result(cell.size(), QImage::Format_RGB32);
    result.fill(kKey);
    auto covered = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < cell.width() && y < cell.height()
            && cell.pixelColor(x, y) != kKey;
    };
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (covered(x - 1, y - 1))
                result.setPixelColor(x, y, Qt::white);
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (covered(x, y))
                result.setPixelColor(x, y, QColor(128, 128, 128));
    return result;
}

QImage strip(const Picture &picture)
{
    QImage painted(kCell, kCell, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    {
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.paint(painter);
    }
    QImage cell = flatten(painted.convertToFormat(QImage::Format_ARGB32));
    // The bottom-left pixel names the transparent colour; keep it free of the shape.
    cell.setPixelColor(0, kCell - 1, kKey);
    if (!picture.withDisabledCell)
        return cell;
    QImage twoCells(kCell * 2, kCell, QImage::Format_RGB32);
    QPainter painter(&twoCells);
    painter.drawImage(0, 0, cell);
    painter.drawImage(kCell, 0, disabledOf(cell));
    return twoCells;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Picture &picture : pictures()) {
        const QString file = folder.filePath(QStringLiteral("%1.png").arg(picture.number, 3, 10, QLatin1Char('0')));
        if (!strip(picture).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
