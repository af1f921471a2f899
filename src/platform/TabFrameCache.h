#pragma once

#include <QStyleOptionTabWidgetFrame>

class QPainter;
class QWidget;

namespace ktr::platform {

// Paints the style's frame of a page control's pane through a picture cache. The style
// strokes the frame's long edges span by span, and Qt hands every long run of spans to its
// thread pool; the frame of a tall pane costs some thirty thread hand-offs per paint. A look
// (style, palette, state, geometry) painted a second time is drawn by the style into a
// picture kept in Qt's pixmap cache, and copied from there on, which gives the same pixels.
void paintTabWidgetFrame(QPainter &painter, const QStyleOptionTabWidgetFrame &option,
                         const QWidget *widget);

} // namespace ktr::platform
