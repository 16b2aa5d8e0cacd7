#pragma once

#include <QString>

// The user's temporary folder with a trailing "/": $TMPDIR when it is set,
// otherwise /tmp, as the system reports it to every program. The update
// program is handed its file there.
QString GetTempFolder();
