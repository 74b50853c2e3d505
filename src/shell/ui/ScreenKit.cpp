#include "shell/ui/ScreenKit.h"

#include <QLabel>
#include <QPushButton>

namespace ScreenKit {

QLabel* titlePanel(const QString& text, QWidget* parent)
{
    auto* panel = new QLabel(text, parent);
    panel->setObjectName(QStringLiteral("pnlTitle"));
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumHeight(40);
    panel->setStyleSheet(QStringLiteral("QLabel#pnlTitle { font-size: 17px; font-weight: bold; color: #ffffff;"
                                        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2b4a86, stop:1 #122040);"
                                        " border: 1px solid #0b1630; border-radius: 3px; }"));
    return panel;
}

QPushButton* button(const QString& caption, const QString& objectName, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setMinimumSize(88, 30);
    return button;
}

QLabel* label(const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    QString name = text;
    name.remove(QLatin1Char(':'));
    field->setAccessibleName(name.simplified());
    return label;
}

}
