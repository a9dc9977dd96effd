#include "RecordingNotices.h"

RecordingNotices::RecordingNotices() {
    Notices::SetPresenter(this);
}

RecordingNotices::~RecordingNotices() {
    Notices::SetPresenter(nullptr);
}

void RecordingNotices::Notice(const QString& caption, const QString& text) {
    m_shown.append({Kind::Notice, caption, text});
}

bool RecordingNotices::Question(const QString& caption, const QString& text) {
    m_shown.append({Kind::Question, caption, text});
    return m_answers.isEmpty() ? true : m_answers.takeFirst();
}

void RecordingNotices::ErrorReport(const QString& caption, const QString& text) {
    m_shown.append({Kind::ErrorReport, caption, text});
}

QStringList RecordingNotices::Texts(Kind kind) const {
    QStringList texts;
    for (const Shown& shown : m_shown) {
        if (shown.kind == kind)
            texts << shown.text;
    }
    return texts;
}
