#pragma once

#include <QString>

// Where the help menu leads: the program's own pages and mail address, the
// list of changes and the update program beside the program file, and the
// text of the information box.

QString HomepageAddress();
// A page of the homepage's site.
QString DonationPageAddress();
// A "mailto:" address whose subject names this program and its version.
QString MailAddress();

// Bare file names in the program folder.
QString ChangesFileName();
// The update program is no part of this program; it is found only when it
// was installed beside it.
QString UpdateProgramFileName();

// Lines separated by CR LF: the program and its version, what it is, then
// the lines about its rights and how to reach its author.
QString ProgramInfoText();
