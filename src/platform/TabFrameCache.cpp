#include "TabFrameCache.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QWidget>

namespace ktr::platform {
namespace {

void addRect(QString &key, const QRect &r)
{
    key += QString::asprintf("|%d,%d,%d,%d", r.x(), r.y(), r.width(), r.height());
}

void addSize(QString &key, const QSize &s)
{
    key += QString::asprintf("|%d,%d", s.width(), s.height());
}

// Everything of the option that the style may read, positions relative to the pane.
QString cacheKey(const QStyleOptionTabWidgetFrame &option, const QStyle *style, qreal ratio,
                 const QPainter &painter)
{
    const QPoint origin = option.rect.topLeft();
    QString key = QString::asprintf(
        "ktr-tabframe|%s|%p|%g|%llx|%d|%x|%d|%d|%d|%d", style->metaObject()->className(),
        static_cast<const void *>(style), ratio,
        static_cast<unsigned long long>(option.palette.cacheKey()),
        int(option.palette.currentColorGroup()), unsigned(option.state), int(option.direction),
        int(option.shape), option.lineWidth, option.midLineWidth);
    addSize(key, option.rect.size());
    addSize(key, option.tabBarSize);
    addSize(key, option.rightCornerWidgetSize);
    addSize(key, option.leftCornerWidgetSize);
    addRect(key, option.tabBarRect.translated(-origin));
    addRect(key, option.selectedTabRect.translated(-origin));
    key += QString::asprintf("|%x|", unsigned(painter.renderHints()));
    key += painter.font().key();
    return key;
}

} // namespace

void paintTabWidgetFrame(QPainter &painter, const QStyleOptionTabWidgetFrame &option,
                         const QWidget *widget)
{
    QStyle *style = widget ? widget->style() : nullptr;
    if (!style || option.rect.isEmpty())
        return;
    // Style sheet rules belong to each widget and cannot be told apart by the key.
    if (widget->testAttribute(Qt::WA_StyleSheet)) {
        style->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, widget);
        return;
    }
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const QString key = cacheKey(option, style, ratio, painter);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        // A look is kept from its second paint on: the sizes passed through while the
        // window's edge is dragged are painted directly and push no pictures out of the cache.
        static QStringList recentLooks;
        if (!recentLooks.contains(key)) {
            recentLooks.append(key);
            if (recentLooks.size() > 16)
                recentLooks.removeFirst();
            style->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, widget);
            return;
        }
        recentLooks.removeAll(key);
        picture = QPixmap(option.rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter picturePainter(&picture);
        // The style starts from the widget painter's state, as it would when painting directly.
        picturePainter.setPen(painter.pen());
        picturePainter.setBrush(painter.brush());
        picturePainter.setFont(painter.font());
        picturePainter.setBackground(painter.background());
        picturePainter.setRenderHints(painter.renderHints());
        picturePainter.translate(-option.rect.topLeft());
        style->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &picturePainter, widget);
        picturePainter.end();
        QPixmapCache::insert(key, picture);
    }
    painter.drawPixmap(option.rect.topLeft(), picture);
}

} // namespace ktr::platform
