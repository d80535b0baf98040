#pragma once

#include <QApplication>

namespace clubdraw {

class run_error;

// Catches whatever a handler throws before it can cross the event loop,
// reports it once and ends the program with a non-zero status.
class clubdraw_application : public QApplication {
    Q_OBJECT
public:
    clubdraw_application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
    bool failed() const { return failed_; }

private:
    void fail(const run_error& error);

    bool failed_ = false;
};

} // namespace clubdraw
