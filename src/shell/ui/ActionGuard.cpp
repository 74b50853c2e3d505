#include "shell/ui/ActionGuard.h"

#include "common/UserError.h"
#include "shell/ui/Messages.h"

bool guardedAction(QWidget* parent, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const UserError& error) {
        Messages::error(parent, error.message());
        return false;
    }
}
