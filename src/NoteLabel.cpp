#include "NoteLabel.h"

#include <QPainter>
#include <QTextLayout>

NoteLabel::NoteLabel(const QString& text, int linePitch, QWidget* parent)
    : QLabel(text, parent), m_linePitch(linePitch) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// Lays the text out paragraph by paragraph at the label's width and hands
// each line with its top to `visit`; returns the number of lines.
template <typename Visit> int NoteLabel::Layout(Visit visit) const {
    int lines = 0;
    const QStringList paragraphs = text().split(u'\n');
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width());
            visit(layout, line, lines * m_linePitch);
            ++lines;
        }
        layout.endLayout();
    }
    return lines;
}

int NoteLabel::LineCount() const {
    return Layout([](QTextLayout&, QTextLine&, int) {});
}

void NoteLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    // the line's own height may exceed the pitch; centre the glyphs in it
    Layout([&](QTextLayout&, QTextLine& line, int top) {
        const qreal offset = (m_linePitch - line.height()) / 2;
        line.draw(&painter, QPointF(0, top + offset - line.y()));
    });
}
