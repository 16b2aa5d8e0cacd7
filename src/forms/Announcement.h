#pragma once

#include <QWidget>

class QLabel;

// Says a text to the screen reader at once: an object with the role of a
// notification, shown anew with each text. Screen readers speak such an
// object whenever it appears, also right after Enter, and show it on the
// braille display, where a focus move inside one burst of events may be
// dropped as stale. One text interrupts the one before, so whatever belongs
// together goes into one.
class Announcement : public QWidget
{
    Q_OBJECT

public:
    explicit Announcement(QWidget *parent);

    void say(const QString &text);
    QString text() const;

private:
    QLabel *m_label;
};
