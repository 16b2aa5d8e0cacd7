#pragma once

#include <QList>

class QWidget;
class TopLevelWindows;

// Brings every visible form of the list to the front, each followed by the
// visible windows it owns (its child windows, such as an open dialog), in
// turn: the last one handled ends on top, so an open dialog stays above the
// main window. A minimised form is restored. Pass the forms in creation
// order, the main window first. Besides Qt's own raising and activation,
// each form goes through ForceForegroundWindow of the session's window
// system, which brings it forward where Qt's request alone would be refused.
void BringFormsToFront(TopLevelWindows &windows, const QList<QWidget *> &forms);
