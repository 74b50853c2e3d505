#pragma once
#include <QList>

#include <functional>

class Session;

// The data file carries its schema version in PRAGMA user_version. Opening a
// file runs every step above its version, each in its own transaction
// together with the new version number, so a file is never left half
// upgraded. Steps only add (tables, columns, delivered rows) and keep every
// row already there. Later subsystems append their steps to the list.
namespace SchemaUpgrade {
struct Step {
    int version;
    std::function<void(Session&)> apply;
};

const QList<Step>& steps();
int latestVersion();
int currentVersion(Session& session);
void run(Session& session);
void run(Session& session, const QList<Step>& steps);
}
