#pragma once

#include <QDialog>
#include <QString>

class TfrmData;

// The editor dialog for one reel: a new one when ItemKey is "0", else the
// reel with that key.
class Tfrmravlen_edit : public QDialog {
    Q_OBJECT

public:
    explicit Tfrmravlen_edit(TfrmData& data, QWidget* parent = nullptr);

    QString ItemKey;

private:
    void FormCreate();

    TfrmData& m_data;
};
