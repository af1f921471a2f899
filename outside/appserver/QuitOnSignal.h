#pragma once

#include <QObject>

class QSocketNotifier;

namespace ktr::appserver {

// Ends the application's event loop on SIGINT or SIGTERM, through a self-pipe so that the
// signal handler does nothing but write one byte.
class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject *parent = nullptr);
    ~QuitOnSignal() override;

private:
    QSocketNotifier *m_notifier = nullptr; // owned as a child
};

} // namespace ktr::appserver
