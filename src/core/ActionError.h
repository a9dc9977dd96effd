#pragma once

#include <QString>

#include <exception>

// An error that stops the user action in progress. Its text is what the user is
// shown in the general error report; the program itself carries on.
class ActionError : public std::exception {
public:
    explicit ActionError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}

    const QString& text() const noexcept { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};
