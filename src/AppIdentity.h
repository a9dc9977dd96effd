#pragma once

#include <QString>

// Who the program says it is and who made it.
namespace AppIdentity {

// Application title: task-bar text and caption of the general error report.
inline const QString kTitle = QStringLiteral("电缆Kelvoro");

// Caption of every notice and question.
inline const QString kNoticeCaption = QStringLiteral("Tolvane软件");

inline const QString kMakerName = QStringLiteral("Tolvane软件");
inline const QString kMakerAddress = QStringLiteral("www.tolvane.example");
inline const QString kMakerUrl = QStringLiteral("https://www.tolvane.example/");

inline const QString kWindowCaption = QStringLiteral("电缆Kelvoro程序 - ") + kMakerName + u' ' + kMakerAddress;

// The three status-bar panels: slogan, greeting with the web address, name and contact.
inline const QString kSlogan = QStringLiteral("选盘精准 · 装盘放心");
inline const QString kGreeting = QStringLiteral("欢迎访问 ") + kMakerAddress + QStringLiteral(" 获取更新与技术支持");
inline const QString kContact = QStringLiteral("Tolvane软件");

} // namespace AppIdentity
