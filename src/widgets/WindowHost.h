#pragma once

class Platform;
class QWidget;

// What every window of the program asks of the application around it: the
// desktop, the about window and the one way the program ends.
class WindowHost
{
public:
    virtual ~WindowHost() = default;

    virtual Platform &platform() = 0;
    // The about window, modal over `owner`.
    virtual void showAbout(QWidget *owner) = 0;
    // Closes every window without their follow-up actions, then ends the process.
    virtual void CloseApplication() = 0;
    // True while CloseApplication closes the windows.
    virtual bool isClosingApplication() const = 0;
};
