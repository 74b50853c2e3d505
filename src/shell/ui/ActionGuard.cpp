#include "shell/ui/ActionGuard.h"

#include "datastore/DbError.h"
#include "shell/ui/Messages.h"

bool guardedAction(QWidget* parent, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const DbError& error) {
        Messages::error(parent, error.message());
        return false;
    }
}
