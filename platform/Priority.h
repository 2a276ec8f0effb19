#pragma once

namespace vortel {

// Raises the priority of the process for a burst of work, only as far as the system allows an
// unprivileged process to go (the soft RLIMIT_NICE), and puts the old priority back when it ends.
// The real-time classes are never used: a busy real-time loop could freeze the desktop.
class PriorityBoost {
public:
    PriorityBoost();
    ~PriorityBoost();
    PriorityBoost(const PriorityBoost&) = delete;
    PriorityBoost& operator=(const PriorityBoost&) = delete;
    bool raised() const { return raised_; }

private:
    int oldNice_ = 0;
    bool raised_ = false;
};

}  // namespace vortel
