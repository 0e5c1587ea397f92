#pragma once

#include <QApplication>

#include <exception>

// Hint timings of the program, in milliseconds.
constexpr int hintShowDelay = 100;
constexpr int hintDisplayTime = 9000;
constexpr int hintSwitchDelay = 20;

// Shows an exception's text in an error box; anything that is not a
// std::exception is shown with an empty text.
void ReportException(std::exception_ptr error);

// The application object: program title and hint timings, and no exception
// ever leaves an event handler to end the process.
class OrvaneApplication : public QApplication
{
public:
    OrvaneApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
