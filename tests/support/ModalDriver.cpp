#include "ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <memory>

namespace {
constexpr int kPollMs = 10;
constexpr int kGiveUpPolls = 500; // five seconds
} // namespace

ModalDriver::ModalDriver(Interaction interaction)
    : m_interaction(std::move(interaction)), m_token(std::make_shared<bool>(true)) {
    QTimer::singleShot(0, [this, token = std::weak_ptr<bool>(m_token)] {
        if (token.lock())
            Poll();
    });
}

ModalDriver::~ModalDriver() {
    m_token.reset();
}

void ModalDriver::Poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->isVisible()) {
        m_seen << dialog->windowTitle();
        if (m_interaction && !m_ran) {
            m_ran = true;
            m_interaction(*dialog);
        }
        // whatever is still open now was not closed by the user being played
        if (dialog->isVisible())
            dialog->reject();
        return;
    }
    if (++m_polls > kGiveUpPolls)
        return;
    QTimer::singleShot(kPollMs, [this, token = std::weak_ptr<bool>(m_token)] {
        if (token.lock())
            Poll();
    });
}
