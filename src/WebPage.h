#pragma once

#include <QUrl>

#include <functional>

// Asks the desktop to open a web page in the default browser. Tests replace
// the opener so that no browser starts.
namespace WebPage {

using Opener = std::function<bool(const QUrl& url)>;

// Replaces the opener; an empty one restores the desktop's.
void SetOpener(Opener opener);

// Opens the page; a failure of the desktop is ignored.
void Open(const QUrl& url);

} // namespace WebPage
