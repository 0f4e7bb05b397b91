#pragma once
// The application object of Revorur: an exception escaping an event handler is shown in the
// standard exception box and the program goes on.

#include <QApplication>

namespace doz::shell {

class RevorurApplication : public QApplication {
public:
    RevorurApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows the exception currently being handled (inside a catch block) in the exception box;
// an object that is not an exception shows an empty message.
void ShowCurrentException();

} // namespace doz::shell
