#include "TestSupport.h"

#include <QApplication>

namespace {

// One QApplication for the whole test program, created before the first test.
class QtEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "platform-test";
        static char *argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete app;
        app = nullptr;
    }

private:
    QApplication *app = nullptr;
};

const auto *const environment = testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace

void Recorder::add(QObject *sender, const char *event)
{
    log.append(sender->objectName() + QLatin1Char('.') + QLatin1String(event));
}

void Recorder::Exit(QObject *Sender)
{
    add(Sender, "Exit");
    if (ktr::platform::ControlLink *control = std::exchange(focusOnExit, nullptr))
        control->SetFocus();
}

void Recorder::CloseForm(QObject *Sender)
{
    if (TForm *form = ktr::platform::GetParentForm(qobject_cast<QWidget *>(Sender)))
        form->Close();
}

void Recorder::ItemChanging(QObject *Sender, TListItem *Item, TItemChange Change, bool *AllowChange)
{
    log.append(QStringLiteral("%1.Changing %2 %3")
                   .arg(Sender->objectName(), Item->Caption(), ktr::platform::enumName(Change)));
    *AllowChange = allowChange;
}

void Recorder::ItemChange(QObject *Sender, TListItem *Item, TItemChange Change)
{
    log.append(QStringLiteral("%1.Change %2 %3")
                   .arg(Sender->objectName(), Item->Caption(), ktr::platform::enumName(Change)));
}

void Recorder::Destroy(QObject *Sender)
{
    // The form and what it owns are still whole: count its components.
    auto *component = ktr::platform::componentOf(Sender);
    log.append(Sender->objectName() + QStringLiteral(".Destroy/")
               + QString::number(component ? component->ComponentCount() : -1));
}

void Recorder::KeyDown(QObject *Sender, quint16 *Key, int Shift)
{
    log.append(QStringLiteral("%1.KeyDown %2/%3").arg(Sender->objectName()).arg(*Key).arg(Shift));
    if (*Key == keyToConsume)
        *Key = 0;
}

void Recorder::KeyPress(QObject *Sender, QChar *Key)
{
    log.append(QStringLiteral("%1.KeyPress %2").arg(Sender->objectName()).arg(Key->unicode()));
    if (*Key == charToConsume)
        *Key = charToReplace;
}

void Recorder::Changing(QObject *Sender, bool *AllowChange)
{
    add(Sender, "Changing");
    *AllowChange = allowChange;
}

void Recorder::Close(QObject *Sender, TCloseAction *Action)
{
    add(Sender, "Close");
    *Action = closeAction;
}

void showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
}
