#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;

// Plays the user in the next modal dialog a command opens. The interaction
// runs once the dialog is up; a dialog still open afterwards (or one nobody
// expected) is closed by a watchdog, so a failing test never hangs.
class ModalDriver {
public:
    using Interaction = std::function<void(QDialog& dialog)>;

    // Schedule the interaction; call before the command that shows the dialog.
    explicit ModalDriver(Interaction interaction);
    ~ModalDriver();

    bool Ran() const { return m_ran; }
    // Window titles of every modal dialog seen.
    const QStringList& Seen() const { return m_seen; }

private:
    void Poll();

    Interaction m_interaction;
    bool m_ran = false;
    QStringList m_seen;
    int m_polls = 0;
    std::shared_ptr<bool> m_token;
};

// Watches that no modal dialog opens at all; closes any that does.
class NoDialogExpected : public ModalDriver {
public:
    NoDialogExpected() : ModalDriver(nullptr) {}
};
