#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QPointer>
#include <QToolButton>
#include <QWidget>

class TImageList;
class TPopupMenu;
class TToolButton;

// A bar that lays its tool buttons out left to right in the order of their Left, each
// ButtonWidth x ButtonHeight (separators and dividers take their own width).
class KTRPLATFORM_EXPORT TToolBar : public QWidget, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ButtonWidth READ ButtonWidth WRITE SetButtonWidth)
    Q_PROPERTY(int ButtonHeight READ ButtonHeight WRITE SetButtonHeight)
    Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
    Q_PROPERTY(bool ShowCaptions READ ShowCaptions WRITE SetShowCaptions)
    Q_PROPERTY(QObject *Images READ Images WRITE SetImages)
public:
    explicit TToolBar(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TToolBar() override;

    QString GetText() const override { return m_caption; }
    void SetText(const QString &text) override { m_caption = text; }

    int ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int width);
    int ButtonHeight() const { return m_buttonHeight; }
    void SetButtonHeight(int height);
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    bool ShowCaptions() const { return m_showCaptions; }
    void SetShowCaptions(bool value);
    QObject *Images() const;
    void SetImages(QObject *images);
    TImageList *imageList() const;

    int ButtonCount() const;
    TToolButton *Buttons(int index) const;
    // Places the buttons (run when buttons, sizes or the bar change).
    void ArrangeButtons();

protected:
    void childEvent(QChildEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString m_caption;
    int m_buttonWidth = 23;
    int m_buttonHeight = 22;
    bool m_flat = false;
    bool m_showCaptions = false;
    QPointer<QObject> m_images;
    bool m_arranging = false;
};

// A button of a TToolBar. Style tbsDropDown shows DropdownMenu from an arrow beside it;
// tbsCheck toggles Down on each click; tbsSeparator/tbsDivider are gaps.
class KTRPLATFORM_EXPORT TToolButton : public QToolButton, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(ktr::platform::types::TToolButtonStyle Style READ Style WRITE SetStyle)
    Q_PROPERTY(QObject *DropdownMenu READ DropdownMenu WRITE SetDropdownMenu)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(bool Grouped READ Grouped WRITE SetGrouped)
public:
    explicit TToolButton(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TToolButton() override;

    bool IsWinControl() const override { return false; }
    bool ClicksOnMouseUp() const override { return false; }
    QString GetText() const override { return m_caption; }
    void SetText(const QString &text) override;
    void SetParent(QWidget *parent) override;

    TToolButtonStyle Style() const { return m_style; }
    void SetStyle(TToolButtonStyle style);
    QObject *DropdownMenu() const;
    void SetDropdownMenu(QObject *menu);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    bool Down() const { return m_down; }
    void SetDown(bool down);
    bool Grouped() const { return m_grouped; }
    void SetGrouped(bool value) { m_grouped = value; }
    TToolBar *ToolBar() const { return qobject_cast<TToolBar *>(parentWidget()); }

    void Click() override;
    // Refreshes picture, caption and size from the bar.
    void updateLook();

private:
    QString m_caption;
    TToolButtonStyle m_style = tbsButton;
    QPointer<TPopupMenu> m_dropdownMenu;
    int m_imageIndex = -1;
    bool m_down = false;
    bool m_grouped = false;
    qint64 m_shownPictureKey = 0; // the picture the icon was made from
    qint64 m_shownIconKey = 0;    // and that icon
};
