#pragma once

#include <memory>
#include <string>
#include <vector>

// Hands work to other programs of the desktop. Nothing goes through a
// command interpreter: every argument reaches the program as it is given.
class Shell
{
public:
    virtual ~Shell() = default;

    // Starts program without waiting for it, with each argument handed over
    // whole, in folder when it is not empty. True when the program started.
    virtual bool StartProgram(const std::u16string &program,
                              const std::vector<std::u16string> &arguments,
                              const std::u16string &folder) = 0;

    // Opens a document, a folder or an address (web page, "mailto:") with the
    // program the desktop associates with it, without waiting. True when the
    // desktop's opener started; whether it found a program is not known.
    virtual bool OpenWithAssociatedProgram(const std::u16string &target) = 0;

    // True when a file (not a folder) is at path.
    virtual bool FileExists(const std::u16string &path) = 0;

    // True when file names a program that can be started: an executable file
    // at a path, or a bare name found in the system's program search path.
    virtual bool IsProgram(const std::u16string &file) = 0;

    // The shell of this system.
    static std::unique_ptr<Shell> Create();
};
