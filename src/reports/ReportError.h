#pragma once
#include "common/UserError.h"

// A template that is missing or cannot be read. The message names the file,
// so the person printing knows which one to look at.
class ReportError : public UserError {
public:
    using UserError::UserError;
};
