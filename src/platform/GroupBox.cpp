#include "GroupBox.h"

#include <QStyle>
#include <QStyleOptionGroupBox>

TGroupBox::TGroupBox(QObject *owner, QWidget *parent) : QGroupBox(parent), ControlLink(this, owner)
{
    resize(185, 105);
}

TGroupBox::~TGroupBox() = default;

QRect TGroupBox::AlignClientRect() const
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect contents =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this);
    return contents.isValid() ? contents : contentsRect();
}
