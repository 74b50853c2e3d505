#include "shell/ui/ActionGuard.h"

#include "datastore/DbError.h"

#include <QMessageBox>

bool guardedAction(QWidget* parent, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const DbError& error) {
        QMessageBox::critical(parent, QStringLiteral("확인요망"), error.message());
        return false;
    }
}
