#pragma once

#include <QString>

class QWidget;

// Types text into a widget key by key, any characters (Chinese included),
// as a keyboard or input method delivers them.
void TypeText(QWidget* widget, const QString& text);
