#pragma once
#include <functional>

class QWidget;

// Runs one user action. A statement the engine refused (or any other failure
// meant for the user) ends the action and the user sees its message; rows
// already committed stay.
// Returns false when the action was ended that way.
bool guardedAction(QWidget* parent, const std::function<void()>& action);
