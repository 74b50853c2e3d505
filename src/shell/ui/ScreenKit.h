#pragma once
#include <QString>

class QLabel;
class QLayout;
class QPushButton;
class QWidget;

// The look every screen shares: the title panel across the top, toolbar
// buttons with the spaced captions ("확     인"), and fields whose accessible
// name is the text of their label.
namespace ScreenKit {
QLabel* titlePanel(const QString& text, QWidget* parent);
QPushButton* button(const QString& caption, const QString& objectName, QWidget* parent);
// A label and its field on one row of a form; the field is named after the label.
QLabel* label(const QString& text, QWidget* field, QWidget* parent);
}
