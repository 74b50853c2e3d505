#pragma once
#include "common/UserError.h"

// A statement the engine refused. It carries the engine's own message, which
// is what the user is shown; the action that ran the statement ends there.
class DbError : public UserError {
public:
    using UserError::UserError;
};
