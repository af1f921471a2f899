#pragma once

#include "Control.h"
#include "ktrplatform_global.h"

#include <QGroupBox>

// A container with a frame and a caption on it.
class KTRPLATFORM_EXPORT TGroupBox : public QGroupBox, public ktr::platform::ControlLink {
    Q_OBJECT
    KTR_WINCONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    explicit TGroupBox(QObject *owner = nullptr, QWidget *parent = nullptr);
    ~TGroupBox() override;

    QString GetText() const override { return title(); }
    void SetText(const QString &text) override { setTitle(text); }
    // Below the caption, inside the frame.
    QRect AlignClientRect() const override;
};
