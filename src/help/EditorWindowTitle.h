#pragma once

#include <QString>

// True when title is the window title that a common text editor of the
// Linux desktops gives a window showing the file at path: "name - gedit",
// "*name - Mousepad", "name (~/Daten) - gedit", "name — Kate" and the like.
// The editor may show the file's name or its full path.
bool EditorTitleShowsFile(const QString &title, const QString &path);
