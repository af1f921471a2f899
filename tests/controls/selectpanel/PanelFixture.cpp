#include "PanelFixture.h"

#include <QApplication>

namespace {

QString nameOf(const QObject *object)
{
    return object ? object->objectName() : QStringLiteral("(none)");
}

} // namespace

QString styleName(TSelectStyle style)
{
    return ktr::platform::enumName(style);
}

void PanelEvents::bindTo(TSelectPanel *target)
{
    panel = target;
    target->SetOnStyleChanging(MethodOf(this, "StyleChanging"));
    target->SetOnStyleChange(MethodOf(this, "StyleChange"));
    target->SetOnTypeClick(MethodOf(this, "TypeClick"));
    target->SetOnOpenWinClick(MethodOf(this, "OpenWinClick"));
    target->SetOnDeleteClick(MethodOf(this, "DeleteClick"));
    target->SetOnClearClick(MethodOf(this, "ClearClick"));
    target->SetOnClick(MethodOf(this, "Click"));
    target->SetOnDblClick(MethodOf(this, "DblClick"));
    target->SetOnMouseDown(MethodOf(this, "MouseDown"));
    target->SetOnMouseUp(MethodOf(this, "MouseUp"));
    target->SetOnKeyDown(MethodOf(this, "KeyDown"));
    target->SetOnKeyPress(MethodOf(this, "KeyPress"));
    target->SetOnExit(MethodOf(this, "Exit"));
    target->SetOnItemSelect(MethodOf(this, "ItemSelect"));
    target->SetOnItemChange(MethodOf(this, "ItemChange"));
}

void PanelEvents::StyleChanging(QObject *Sender, TSelectStyle NowStyle, TSelectStyle *NewStyle,
                                bool *Accept)
{
    log.append(QStringLiteral("StyleChanging %1 %2->%3")
                   .arg(nameOf(Sender), styleName(NowStyle), styleName(*NewStyle)));
    if (replaceStyle)
        *NewStyle = *replaceStyle;
    *Accept = acceptStyle;
}

void PanelEvents::StyleChange(QObject *Sender, TSelectStyle OldStyle, TSelectStyle NewStyle)
{
    log.append(QStringLiteral("StyleChange %1 %2->%3 while Style=%4")
                   .arg(nameOf(Sender), styleName(OldStyle), styleName(NewStyle),
                        styleName(panel->Style())));
}

void PanelEvents::TypeClick(QObject *Sender)
{
    log.append(QStringLiteral("TypeClick %1 UserChoice=%2")
                   .arg(nameOf(Sender), panel->UserChoice() ? "true" : "false"));
}

void PanelEvents::OpenWinClick(QObject *SenderParent, QObject *Sender)
{
    QString content = Sender->property("Text").toString();
    if (auto *list = qobject_cast<TListView *>(Sender))
        content = QString::number(list->Items().Count()) + QStringLiteral(" rows");
    log.append(QStringLiteral("OpenWinClick %1/%2 %3")
                   .arg(nameOf(SenderParent), nameOf(Sender), content));
}

void PanelEvents::DeleteClick(QObject *Sender, bool *Accept)
{
    log.append(QStringLiteral("DeleteClick %1").arg(nameOf(Sender)));
    *Accept = acceptDelete;
}

void PanelEvents::ClearClick(QObject *Sender)
{
    log.append(QStringLiteral("ClearClick %1").arg(nameOf(Sender)));
}

void PanelEvents::Click(QObject *Sender)
{
    log.append(QStringLiteral("Click %1").arg(nameOf(Sender)));
}

void PanelEvents::DblClick(QObject *Sender)
{
    log.append(QStringLiteral("DblClick %1").arg(nameOf(Sender)));
}

void PanelEvents::MouseDown(QObject *Sender, TMouseButton, int, int X, int Y)
{
    log.append(QStringLiteral("MouseDown %1 %2,%3").arg(nameOf(Sender)).arg(X).arg(Y));
}

void PanelEvents::MouseUp(QObject *Sender, TMouseButton, int, int X, int Y)
{
    log.append(QStringLiteral("MouseUp %1 %2,%3").arg(nameOf(Sender)).arg(X).arg(Y));
}

void PanelEvents::KeyDown(QObject *Sender, quint16 *Key, int)
{
    log.append(QStringLiteral("KeyDown %1 %2").arg(nameOf(Sender)).arg(*Key));
}

void PanelEvents::KeyPress(QObject *Sender, QChar *Key)
{
    log.append(QStringLiteral("KeyPress %1 %2").arg(nameOf(Sender), QString(*Key)));
}

void PanelEvents::Exit(QObject *Sender)
{
    log.append(QStringLiteral("Exit %1 [%2|%3]")
                   .arg(nameOf(Sender), panel->edBegin->Text(), panel->edFinal->Text()));
}

void PanelEvents::ItemSelect(QObject *Sender, TListItem *xItem, int xIndex, bool xIsSelect)
{
    log.append(QStringLiteral("ItemSelect %1 %2 %3 %4")
                   .arg(nameOf(Sender), xItem->Caption())
                   .arg(xIndex)
                   .arg(xIsSelect ? "selected" : "unselected"));
}

void PanelEvents::ItemChange(QObject *Sender, TListItem *Item, TItemChange Change)
{
    log.append(QStringLiteral("ItemChange %1 %2 %3")
                   .arg(nameOf(Sender), Item->Caption(), ktr::platform::enumName(Change)));
}

PanelTest::PanelTest()
{
    form.SetName(QStringLiteral("frmTest"));
    form.SetBounds(0, 0, 640, 420);
    panel = new TSelectPanel(&form, &form);
    panel->SetName(QStringLiteral("sp01"));
    panel->SetCaption(QStringLiteral("选择公司"));
    panel->SetBounds(10, 10, 353, 45);
    other = new TEdit(&form, &form);
    other->SetName(QStringLiteral("edOther"));
    other->SetBounds(420, 360, 120, 24);
    form.AddMessageHandler(WM_OPENWIN, [this](TMessage &message) {
        QObject *target = ktr::platform::objectFromParam(message.LParam);
        lookupTargets.append(target);
        if (auto *list = qobject_cast<TQuilListView *>(target))
            list->AddRow({lookupAnswer});
        else if (ktr::platform::ControlLink *control = ktr::platform::controlOf(target))
            control->SetText(lookupAnswer);
    });
    showActive(&form);
    other->SetFocus();
}

PanelTest::~PanelTest() = default;

void PanelTest::enterAndLeave(ktr::platform::ControlLink *inside)
{
    inside->SetFocus();
    other->SetFocus();
}

QStringList PanelTest::rowTexts() const
{
    QStringList texts;
    for (const QStringList &row : panel->Items())
        texts.append(row.join(QLatin1Char('/')));
    return texts;
}

void PanelTest::addRows(TSelectPanel *target, const QList<QStringList> &rows)
{
    for (const QStringList &row : rows)
        ASSERT_TRUE(target->ListBox->AddRow(row)) << row.join('/').toStdString();
}
