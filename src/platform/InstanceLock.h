#pragma once

#include <memory>
#include <string>

// A named lock per logged-on user that marks the one running instance. The
// holder keeps it until the object is destroyed or the process ends; it is
// not handed on to programs the holder starts.
enum class InstanceLockState {
    Acquired, // this process holds the lock now
    HeldElsewhere, // another process holds it: an instance is running
    Failed // the lock could not be created
};

class InstanceLock
{
public:
    virtual ~InstanceLock() = default;

    // Gives the lock object only when state is Acquired.
    static std::unique_ptr<InstanceLock> Create(const std::u16string &name,
                                                InstanceLockState &state);
};
