#pragma once

#include "Notices.h"

// Shows notices, questions and error reports as modal message boxes that
// block the whole program until answered.
class MessageBoxPresenter : public NoticePresenter {
public:
    void Notice(const QString& caption, const QString& text) override;
    bool Question(const QString& caption, const QString& text) override;
    void ErrorReport(const QString& caption, const QString& text) override;
};
