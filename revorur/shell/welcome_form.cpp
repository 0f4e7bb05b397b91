#include "welcome_form.h"

#include "splash_pictures.h"

#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace doz::shell {
namespace {
constexpr int ClientWidth = 601;
constexpr int ClientHeight = 362;
constexpr int SplashMilliseconds = 2000;
} // namespace

TForm_Welcome::TForm_Welcome(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("Form_Welcome");
    setWindowTitle("Welcome");
    setFixedSize(ClientWidth, ClientHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, ClientWidth, ClientHeight);
    Image1->setPixmap(WelcomePixmap(ClientWidth, ClientHeight));
    Image1->setAccessibleName("Welcome");

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(SplashMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TForm_Welcome::Timer1Timer);
}

void TForm_Welcome::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// Centred on the screen, then the timer runs.
void TForm_Welcome::FormShow() {
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    Timer1->start();
}

void TForm_Welcome::Timer1Timer() {
    Timer1->stop();
    close();
}

} // namespace doz::shell
