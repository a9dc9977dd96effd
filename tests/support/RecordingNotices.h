#pragma once

#include "Notices.h"

#include <QList>
#include <QString>

// Stands in for the message boxes while it lives: records every notice,
// question and error report, and answers questions from a queue (Yes when the
// queue is empty).
class RecordingNotices : public NoticePresenter {
public:
    enum class Kind { Notice, Question, ErrorReport };
    struct Shown {
        Kind kind;
        QString caption;
        QString text;
    };

    RecordingNotices();
    ~RecordingNotices() override;

    void Notice(const QString& caption, const QString& text) override;
    bool Question(const QString& caption, const QString& text) override;
    void ErrorReport(const QString& caption, const QString& text) override;

    void SetNextAnswer(bool yes) { m_answers.append(yes); }
    const QList<Shown>& All() const { return m_shown; }
    // The texts shown, in order, of one kind.
    QStringList Texts(Kind kind) const;
    QStringList Notices() const { return Texts(Kind::Notice); }
    QStringList Errors() const { return Texts(Kind::ErrorReport); }
    QStringList Questions() const { return Texts(Kind::Question); }
    void Clear() { m_shown.clear(); }

private:
    QList<Shown> m_shown;
    QList<bool> m_answers;
};
