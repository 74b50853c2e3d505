#pragma once
#include <QString>

class Session;

// Fills a data file with a large dojang for benchmarks and trial runs:
// `members` trainees enrolled over the 15 years up to `lastYear`, each with
// one to four family members, in every status; with `money`, every month a
// trainee attended is paid (payment and cash line), the cash book is set up
// before the first month and closed up to November of `lastYear`.
// Deterministic for a seed. Later subsystems extend it with their records.
struct LargeDojang {
    int members = 5000;
    int lastYear = 2026;
    unsigned seed = 20090301;
    bool money = true;

    void fill(Session& session) const;
};
