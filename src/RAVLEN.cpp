// Ravlen: which cable reel can take this cable?

#include "AppIdentity.h"
#include "RegionalSettings.h"
#include "uniData.h"
#include "uniravlen.h"
#include "uniravlen_edit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppIdentity::kTitle);
    RegionalSettings::ReadFromSystem();

    // The data container comes first: the windows hold on to it.
    TfrmData frmData;
    TfrmRavlen frmRavlen(frmData, QCoreApplication::applicationDirPath());
    Tfrmravlen_edit frmravlen_edit(frmData, &frmRavlen); // every command makes a dialog of its own

    if (!frmRavlen.FormShow())
        return 1;
    frmRavlen.show();
    return app.exec();
}
