#pragma once

#include "Platform.h"

#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

// Collects the events raised on its handlers as "<sender name>.<event>" lines, and answers
// the events that ask something back as configured.
class Recorder : public QObject {
    Q_OBJECT
public:
    QStringList log;
    quint16 keyToConsume = 0;     // KeyDown/KeyUp set this key to 0
    QChar charToConsume;          // KeyPress sets this character to 0
    QChar charToReplace;          // KeyPress replaces charToConsume by this one instead
    bool allowChange = true;      // Changing answers this
    TCloseAction closeAction = caHide;
    ktr::platform::ControlLink *focusOnExit = nullptr; // Exit focuses it (once)

    TMethod handler(const char *slot) { return MethodOf(this, slot); }

public slots:
    void Click(QObject *Sender) { add(Sender, "Click"); }
    void Enter(QObject *Sender) { add(Sender, "Enter"); }
    void Exit(QObject *Sender);
    void Change(QObject *Sender) { add(Sender, "Change"); }
    void Show(QObject *Sender) { add(Sender, "Show"); }
    void Hide(QObject *Sender) { add(Sender, "Hide"); }
    void Create(QObject *Sender) { add(Sender, "Create"); }
    void Destroy(QObject *Sender);
    void KeyDown(QObject *Sender, quint16 *Key, int Shift);
    void KeyPress(QObject *Sender, QChar *Key);
    void Changing(QObject *Sender, bool *AllowChange);
    void Close(QObject *Sender, TCloseAction *Action);
    void CloseForm(QObject *Sender);
    void ItemChanging(QObject *Sender, TListItem *Item, TItemChange Change, bool *AllowChange);
    void ItemChange(QObject *Sender, TListItem *Item, TItemChange Change);
    void WrongSignature(int value) { log.append(QString::number(value)); }

private:
    void add(QObject *sender, const char *event);
};

// Readable failure messages for Qt texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{' << list.join(QStringLiteral(", ")).toStdString() << '}';
}

// A name for table rows in parameterised tests.
template <typename Case>
std::string caseName(const testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

// Shows a window and makes it the active one, so that Qt's focus follows.
void showActive(QWidget *window);
