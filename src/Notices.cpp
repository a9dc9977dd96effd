#include "Notices.h"

#include "ActionError.h"
#include "AppIdentity.h"
#include "ErrorReportText.h"
#include "MessageBoxPresenter.h"

#include <QCoreApplication>

namespace {

MessageBoxPresenter g_messageBoxes;
NoticePresenter* g_presenter = &g_messageBoxes;

} // namespace

namespace Notices {

void SetPresenter(NoticePresenter* presenter) {
    g_presenter = presenter ? presenter : &g_messageBoxes;
}

void MessageNotice(const QString& text) {
    g_presenter->Notice(AppIdentity::kNoticeCaption, text);
}

bool AskYesNo(const QString& text) {
    return g_presenter->Question(AppIdentity::kNoticeCaption, text);
}

void ReportError(const QString& text) {
    g_presenter->ErrorReport(QCoreApplication::applicationName(), ErrorReportText(text));
}

void RunAction(const std::function<void()>& action) {
    try {
        action();
    } catch (const ActionError& error) {
        ReportError(error.text());
    } catch (const std::bad_alloc&) {
        ReportError(QStringLiteral("Out of memory"));
    }
}

} // namespace Notices
