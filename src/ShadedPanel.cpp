#include "ShadedPanel.h"

#include <QLinearGradient>
#include <QPainter>

ShadedPanel::ShadedPanel(const QColor& top, const QColor& bottom, QWidget* parent)
    : QWidget(parent), m_top(top), m_bottom(bottom) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShadedPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, m_top);
    shade.setColorAt(1, m_bottom);
    painter.fillRect(rect(), shade);
}
