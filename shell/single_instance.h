#pragma once
// The single copy (app/single_copy.h) on the event loop: the listening socket
// and each later launch's line are watched, and a launch's request comes out
// as a signal to the window.

#include <map>
#include <memory>
#include <string>

#include <QObject>

#include "app/single_copy.h"

class QSocketNotifier;

namespace trellum::shell {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Before QApplication: takes the name or asks the copy that holds it.
    explicit SingleInstance(const std::string& socketName, LaunchRequest request = LaunchRequest::Show);
    ~SingleInstance() override;

    bool otherCopyAnswered() const { return m_copy.otherCopyAnswered(); }
    bool otherCopySilent() const { return m_copy.otherCopySilent(); }
    bool ownsName() const { return m_copy.ownsName(); }

    // Once the start can no longer block: answers later launches from now on.
    // False when this launch does not hold the name; the program runs anyway.
    bool listen();
    // The program is ending: later launches wait until this copy is gone.
    void stopAnswering();

signals:
    // A later launch asked for the window.
    void comeForward();
    // A later launch (--toggle) asked to hide the window when it shows, else to show it.
    void toggle();

private:
    void acceptLaunches();
    void hear(int line);
    void stopWatching(int line);

    SingleCopy m_copy;
    std::unique_ptr<QSocketNotifier> m_server;
    std::map<int, QSocketNotifier*> m_lines;
};

}  // namespace trellum::shell
