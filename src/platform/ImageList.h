#pragma once

#include "Component.h"
#include "ktrplatform_global.h"

#include <QIcon>
#include <QList>
#include <QPixmap>

// Pictures of one size, addressed by index (tool buttons, list views, menus).
class KTRPLATFORM_EXPORT TImageList : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Count READ Count)
public:
    explicit TImageList(QObject *owner = nullptr);
    ~TImageList() override;

    int Width() const { return m_width; }
    void SetWidth(int width);
    int Height() const { return m_height; }
    void SetHeight(int height);
    int Count() const { return int(m_images.size()); }

    // Adds the picture scaled to Width x Height; returns its index.
    int Add(const QPixmap &picture);
    // A strip of pictures of Width each, added in order; returns the first index.
    int AddStrip(const QPixmap &strip);
    void Delete(int index);
    void Clear();
    QPixmap GetBitmap(int index) const;
    QIcon GetIcon(int index) const;

private:
    int m_width = 16;
    int m_height = 16;
    QList<QPixmap> m_images;
};
