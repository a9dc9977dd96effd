#pragma once

#include <QColor>
#include <QWidget>

// A panel whose background shades from one colour at the top to another at
// the bottom.
class ShadedPanel : public QWidget {
    Q_OBJECT

public:
    ShadedPanel(const QColor& top, const QColor& bottom, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_top;
    QColor m_bottom;
};
