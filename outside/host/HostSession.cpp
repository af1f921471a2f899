#include "HostSession.h"

#include "ClassRegistry.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QAbstractButton>
#include <QTimer>
#include <QWidget>

namespace {

const char *eventName(std::int32_t code)
{
    switch (code) {
    case EV_FORM_CREATED: return "EV_FORM_CREATED";
    case EV_FORM_SHOWN: return "EV_FORM_SHOWN";
    case EV_FORM_HIDDEN: return "EV_FORM_HIDDEN";
    case EV_FORM_DESTROYED: return "EV_FORM_DESTROYED";
    case EV_HOST: return "EV_HOST";
    default: return "unknown event";
    }
}

} // namespace

HostSession::HostSession(const HostOptions &options, QTextStream &out)
    : m_options(options), m_out(out)
{
}

ktr::Variant HostSession::hostParameters() const
{
    return ktr::Variant::array({m_options.user.toStdString(), m_options.company.toStdString(),
                                m_options.database.toStdString(), std::int32_t(0),
                                m_options.extra.toStdString()});
}

void HostSession::onControllerEvent(void *self, std::int32_t code, TDLLBaseController *)
{
    static_cast<HostSession *>(self)->handleEvent(code);
}

void HostSession::handleEvent(std::int32_t code)
{
    m_out << "event " << code << ' ' << eventName(code) << Qt::endl;
    if (code == EV_FORM_SHOWN && !m_shownOnce) {
        m_shownOnce = true;
        scheduleUnattendedSteps();
    }
    if (code == EV_FORM_DESTROYED) {
        m_destroyed = true;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
}

int HostSession::run()
{
    try {
        PluginLibrary library(m_options.pluginPath);
        m_out << "loaded " << m_options.pluginPath << Qt::endl;
        m_controller = library.createController();
        if (!m_options.noWorkCenter) {
            try {
                m_controller->HostObject = ktr::Variant(ktr::createOleObject("HarrowWorkCenter.Manager").get());
            } catch (const std::exception &e) {
                m_out << "no work-center: " << e.what() << Qt::endl;
            }
        }
        m_controller->OnControllerEvent = {&HostSession::onControllerEvent, this};

        const std::int32_t created = m_controller->CreateForm(hostParameters());
        m_out << "CreateForm -> " << created << Qt::endl;
        ktr::Variant info;
        if (m_controller->GetInfo(info) == 0)
            m_out << "GetInfo -> " << QString::fromStdString(info.debugString()) << Qt::endl;
        m_out << "GetVersion -> " << QString::fromStdU16String(m_controller->GetVersion()) << Qt::endl;

        if (created == 0 && !m_controller->IsFormFreed()) {
            if (m_options.modal) {
                const ktr::Variant result = m_controller->ShowModal();
                m_out << "ShowModal -> " << result.toInt() << Qt::endl;
            } else {
                m_controller->SetVisible(1);
                if (!m_destroyed)
                    QApplication::exec();
            }
        }
        waitUntilFormFreed();
        m_out << "IsFormFreed -> " << (m_controller->IsFormFreed() ? "true" : "false") << Qt::endl;
        m_out << "ResultCode = " << m_controller->ResultCode << Qt::endl;
        m_out << "ResultValue = " << QString::fromStdString(m_controller->ResultValue.debugString())
              << Qt::endl;
        m_controller.reset();
        return m_destroyed ? 0 : 1;
    } catch (const std::exception &e) {
        m_out << "error: " << e.what() << Qt::endl;
        return 1;
    }
}

// A failed initialisation posts a close request to the form, and closing frees the form
// later: let those posted events run, for a bounded time.
void HostSession::waitUntilFormFreed()
{
    QElapsedTimer timer;
    timer.start();
    while (m_controller && !m_controller->IsFormFreed() && timer.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void HostSession::scheduleUnattendedSteps()
{
    if (!m_options.screenshotPath.isEmpty())
        QTimer::singleShot(300, qApp, [this] { takeScreenshot(); });
    if (m_options.submit)
        QTimer::singleShot(600, qApp, [this] { pressOk(); });
    if (m_options.closeAfterMs >= 0)
        QTimer::singleShot(m_options.closeAfterMs, qApp, [this] { closeForm(); });
}

void HostSession::takeScreenshot()
{
    if (!m_controller || m_controller->IsFormFreed())
        return;
    QWidget *form = QWidget::find(static_cast<WId>(m_controller->GetHandle()));
    if (!form)
        return;
    const QString path = QFileInfo(m_options.screenshotPath).absoluteFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (form->grab().save(path))
        m_out << "screenshot saved: " << path << Qt::endl;
    else
        m_out << "screenshot could not be saved: " << path << Qt::endl;
}

void HostSession::pressOk()
{
    if (!m_controller || m_controller->IsFormFreed())
        return;
    QWidget *form = QWidget::find(static_cast<WId>(m_controller->GetHandle()));
    if (auto *ok = form ? form->findChild<QAbstractButton *>("btnOk") : nullptr) {
        m_out << "pressing " << ok->text() << Qt::endl;
        ok->click();
    }
}

void HostSession::closeForm()
{
    if (!m_controller || m_controller->IsFormFreed())
        return;
    if (QWidget *form = QWidget::find(static_cast<WId>(m_controller->GetHandle())))
        form->close();
}
