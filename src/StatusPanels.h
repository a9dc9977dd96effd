#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

// A status bar of fixed-width panels with centred texts. A click anywhere on
// it is reported as Clicked.
class StatusPanels : public QWidget {
    Q_OBJECT

public:
    struct Panel {
        int width;
        QString text;
        bool bevel;
    };

    explicit StatusPanels(QWidget* parent = nullptr);

    void SetPanels(std::vector<Panel> panels);
    const std::vector<Panel>& Panels() const { return m_panels; }
    // Where a panel lies, in the bar's coordinates.
    QRect PanelRect(int index) const;

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<Panel> m_panels;
};
