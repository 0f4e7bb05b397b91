#pragma once
// The message window: the program's status and error lines, newest first; lines holding
// "Ruzidavidez Error :" are drawn in pure red. Lines may be posted from any thread.

#include <QDockWidget>
#include <QString>

class QListWidget;

namespace doz::frame {

class MessageWindow : public QDockWidget {
    Q_OBJECT
public:
    explicit MessageWindow(QWidget* parent = nullptr);

    QListWidget* List_Message;

    // Queues the line for the user-interface thread; safe from any thread.
    void post(const QString& line);
    // The lines shown, top (newest) first.
    QStringList lines() const;

    Q_INVOKABLE void addLine(const QString& line);
};

} // namespace doz::frame
