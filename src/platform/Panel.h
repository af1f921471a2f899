#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QFrame>

// A container with bevels and an optional caption drawn in its middle (Alignment).
class KTRPLATFORM_EXPORT TPanel : public QFrame, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(ktr::platform::types::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(ktr::platform::types::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(ktr::platform::types::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(TMethod OnResize READ OnResize WRITE SetOnResize)
public:
    explicit TPanel(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TPanel() override;

    QString GetText() const override { return m_caption; }
    void SetText(const QString &text) override;

    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

    QRect AlignClientRect() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyBevels();

    QString m_caption;
    TBevelCut m_bevelOuter = bvRaised;
    TBevelCut m_bevelInner = bvNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TAlignment m_alignment = taCenter;
};
