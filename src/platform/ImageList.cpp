#include "ImageList.h"

#include "Glyphs.h"

TImageList::TImageList(QObject *owner) : TComponent(owner)
{
}

TImageList::~TImageList() = default;

void TImageList::SetWidth(int width)
{
    if (width != m_width)
        m_images.clear();
    m_width = std::max(1, width);
}

void TImageList::SetHeight(int height)
{
    if (height != m_height)
        m_images.clear();
    m_height = std::max(1, height);
}

int TImageList::Add(const QPixmap &picture)
{
    QPixmap image = ktr::platform::withTransparentColor(picture);
    if (image.size() != QSize(m_width, m_height) && !image.isNull())
        image = image.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_images.append(image);
    return Count() - 1;
}

int TImageList::AddStrip(const QPixmap &strip)
{
    const int first = Count();
    for (int x = 0; x + m_width <= strip.width(); x += m_width)
        Add(strip.copy(x, 0, m_width, std::min(m_height, strip.height())));
    return first;
}

void TImageList::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_images.removeAt(index);
}

void TImageList::Clear()
{
    m_images.clear();
}

QPixmap TImageList::GetBitmap(int index) const
{
    return m_images.value(index);
}

QIcon TImageList::GetIcon(int index) const
{
    const QPixmap picture = GetBitmap(index);
    return picture.isNull() ? QIcon() : QIcon(picture);
}
