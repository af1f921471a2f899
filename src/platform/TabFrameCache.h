#pragma once

#include <QStyleOptionTabWidgetFrame>

class QPainter;
class QWidget;

namespace ktr::platform {

// Paints the style's frame of a page control's pane through a picture cache. The style
// strokes the frame's long edges span by span, and Qt hands every long run of spans to its
// thread pool; the frame of a tall pane costs some thirty thread hand-offs per paint. The
// picture is drawn by the style once per look (style, palette, state, geometry) and then
// copied, which gives the same pixels.
void paintTabWidgetFrame(QPainter &painter, const QStyleOptionTabWidgetFrame &option,
                         const QWidget *widget);

} // namespace ktr::platform
