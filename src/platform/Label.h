#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QLabel>

// A caption. "&x" marks an accelerator (shown without the "&" while ShowAccelChar); with
// AutoSize the label takes the size of its text whenever caption or font change.
class KTRPLATFORM_EXPORT TLabel : public QLabel, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(ktr::platform::types::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(ktr::platform::types::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(QWidget *FocusControl READ FocusControl WRITE SetFocusControl)
public:
    explicit TLabel(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TLabel() override;

    bool IsWinControl() const override { return false; }
    QString GetText() const override { return m_caption; }
    void SetText(const QString &text) override;
    void SetFont(const QFont &font) override;

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout layout);
    bool WordWrap() const { return wordWrap(); }
    void SetWordWrap(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool value);
    QWidget *FocusControl() const { return m_focusControl; }
    virtual void SetFocusControl(QWidget *control);

    // Makes the label as large as its text.
    void AdjustBounds();

private:
    void applyAlignment();
    void updateText();

    QString m_caption;
    bool m_autoSize = true;
    TAlignment m_alignment = taLeftJustify;
    TTextLayout m_layout = tlTop;
    bool m_transparent = false;
    bool m_showAccelChar = true;
    QWidget *m_focusControl = nullptr;
};
