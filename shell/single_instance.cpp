#include "shell/single_instance.h"

#include <QSocketNotifier>

namespace trellum::shell {

SingleInstance::SingleInstance(const std::string& socketName, LaunchRequest request) : m_copy(socketName, request) {}

SingleInstance::~SingleInstance()
{
    while (!m_lines.empty()) stopWatching(m_lines.begin()->first);
}

bool SingleInstance::listen()
{
    if (m_server) return true;
    const int socket = m_copy.listen();
    if (socket < 0) return false;
    m_server = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    connect(m_server.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptLaunches);
    return true;
}

void SingleInstance::stopAnswering()
{
    while (!m_lines.empty()) stopWatching(m_lines.begin()->first);
    m_copy.stopAnswering();
}

void SingleInstance::acceptLaunches()
{
    for (int line = m_copy.acceptLaunch(); line >= 0; line = m_copy.acceptLaunch()) {
        auto* notifier = new QSocketNotifier(line, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, line] { hear(line); });
        m_lines[line] = notifier;
    }
}

void SingleInstance::hear(int line)
{
    const bool finished = m_copy.hear(line, [this](LaunchRequest request) {
        if (request == LaunchRequest::Toggle)
            emit toggle();
        else
            emit comeForward();
    });
    if (finished) stopWatching(line);
}

void SingleInstance::stopWatching(int line)
{
    const auto found = m_lines.find(line);
    if (found == m_lines.end()) return;
    found->second->setEnabled(false);
    found->second->deleteLater();   // its signal may still be being delivered
    m_lines.erase(found);
    m_copy.hangUp(line);
}

}  // namespace trellum::shell
