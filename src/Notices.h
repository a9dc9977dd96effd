#pragma once

#include <QString>

#include <functional>

// Every notice, question and error report of the program goes through one
// presenter. The program shows message boxes; tests install a presenter that
// records what would have been shown and answers questions for the user.
class NoticePresenter {
public:
    virtual ~NoticePresenter() = default;
    // Information icon, an OK button.
    virtual void Notice(const QString& caption, const QString& text) = 0;
    // No icon, Yes (the default) and No; no other way to close it. True for Yes.
    virtual bool Question(const QString& caption, const QString& text) = 0;
    // Stop icon, an OK button.
    virtual void ErrorReport(const QString& caption, const QString& text) = 0;
};

namespace Notices {

// Replaces the presenter; nullptr restores the message boxes.
void SetPresenter(NoticePresenter* presenter);

// A notice to the user, captioned "Tolvane软件".
void MessageNotice(const QString& text);

// A Yes/No question with the same caption; true for Yes.
bool AskYesNo(const QString& text);

// The general error report for an error the program does not check for,
// captioned with the application title.
void ReportError(const QString& text);

// Runs one user action. An ActionError stops that action and goes to the
// general error report; the program carries on.
void RunAction(const std::function<void()>& action);

} // namespace Notices
