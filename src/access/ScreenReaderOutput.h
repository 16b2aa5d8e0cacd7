#pragma once

#include <QString>

// What the windows say to the learner's screen reader beyond what it reads
// by itself (a field's name when the focus enters a group). The composition
// hands in the front end that reaches the running screen reader.
class ScreenReaderOutput
{
public:
    virtual ~ScreenReaderOutput() = default;
    // Speaks text (and shows it on the braille display); Interrupt cuts off
    // what is being said.
    virtual void Output(const QString &text, bool Interrupt) = 0;
};

// Where no screen reader can be reached through a program interface: what
// the learner needs to hear is then read by the screen reader from the
// controls themselves.
class NoScreenReaderOutput final : public ScreenReaderOutput
{
public:
    void Output(const QString &, bool) override {}
};
