#pragma once

#include <QLabel>

// A word-wrapped label that keeps a fixed line pitch. The note was laid out
// for 8 pt Tahoma lines of 13 px; fonts with Chinese characters have taller
// lines and would not fit its box at their own spacing.
class NoteLabel : public QLabel {
    Q_OBJECT

public:
    NoteLabel(const QString& text, int linePitch, QWidget* parent = nullptr);

    int LinePitch() const { return m_linePitch; }
    // Lines the text takes at the label's width.
    int LineCount() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    template <typename Visit> int Layout(Visit visit) const;

    int m_linePitch;
};
