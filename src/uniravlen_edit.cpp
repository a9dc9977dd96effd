#include "uniravlen_edit.h"

#include "uniData.h"

Tfrmravlen_edit::Tfrmravlen_edit(TfrmData& data, QWidget* parent) : QDialog(parent), m_data(data) {
    setObjectName(QStringLiteral("frmravlen_edit"));
    FormCreate();
}

void Tfrmravlen_edit::FormCreate() {
    ItemKey = QStringLiteral("0");
}
