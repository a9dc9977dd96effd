#include "WebPage.h"

#include <QDesktopServices>

namespace {
WebPage::Opener g_opener;
} // namespace

namespace WebPage {

void SetOpener(Opener opener) {
    g_opener = std::move(opener);
}

void Open(const QUrl& url) {
    if (g_opener)
        g_opener(url);
    else
        QDesktopServices::openUrl(url);
}

} // namespace WebPage
