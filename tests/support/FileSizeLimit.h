#pragma once

#include <functional>

// Runs job in a forked child whose files may not grow beyond limitBytes, as
// on a full disk: writes past the limit fail with EFBIG instead of killing the
// child. Returns the job's result, or -1 when the child did not end normally.
int runWithFileSizeLimit(long limitBytes, const std::function<int()> &job);
