#include "shell/ui/Messages.h"

namespace Messages {
namespace {
Presenter& presenter()
{
    static Presenter current;
    return current;
}
}

QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                 const QString& text, QMessageBox::StandardButtons buttons)
{
    QString shownText = text;
    shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (presenter())
        return presenter()({icon, caption, shownText}, buttons);
    QMessageBox box(icon, caption, shownText, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

void information(QWidget* parent, const QString& text, const QString& caption)
{
    show(parent, QMessageBox::Information, caption, text);
}

void error(QWidget* parent, const QString& text, const QString& caption)
{
    show(parent, QMessageBox::Critical, caption, text);
}

bool confirmDelete(QWidget* parent, const QString& text)
{
    return show(parent, QMessageBox::Question, QStringLiteral("삭제확인"), text,
                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void setPresenter(Presenter replacement)
{
    presenter() = std::move(replacement);
}

}
