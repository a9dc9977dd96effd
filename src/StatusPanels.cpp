#include "StatusPanels.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void StatusPanels::SetPanels(std::vector<Panel> panels) {
    m_panels = std::move(panels);
    update();
}

QRect StatusPanels::PanelRect(int index) const {
    int x = 0;
    for (int i = 0; i < index; ++i)
        x += m_panels[static_cast<size_t>(i)].width;
    return QRect(x, 0, m_panels[static_cast<size_t>(index)].width, height());
}

void StatusPanels::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    for (int i = 0; i < static_cast<int>(m_panels.size()); ++i) {
        const QRect area = PanelRect(i).adjusted(0, 1, -2, -1);
        const Panel& panel = m_panels[static_cast<size_t>(i)];
        if (panel.bevel) {
            painter.setPen(palette().color(QPalette::Dark));
            painter.drawLine(area.topLeft(), area.topRight());
            painter.drawLine(area.topLeft(), area.bottomLeft());
            painter.setPen(palette().color(QPalette::Light));
            painter.drawLine(area.bottomLeft(), area.bottomRight());
            painter.drawLine(area.topRight(), area.bottomRight());
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, panel.text);
    }
}

void StatusPanels::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}
