#include "revorur/testpanels/panel_look.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace doz::testpanels {

namespace {

const char* const kPanelStyle = R"(
QDialog {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #dfe3e8, stop:1 #c9ced6);
}
QTabWidget::pane {
    border: 1px solid #7d8590;
    border-radius: 3px;
    background: #e6e9ee;
    top: -1px;
}
QTabBar::tab {
    background: #c3c9d1;
    border: 1px solid #7d8590;
    border-bottom: none;
    border-top-left-radius: 4px;
    border-top-right-radius: 4px;
    padding: 4px 18px;
    margin-right: 2px;
    color: #27303a;
    font-weight: bold;
}
QTabBar::tab:selected { background: #e6e9ee; }
QGroupBox {
    border: 1px solid #8b939e;
    border-radius: 4px;
    margin-top: 9px;
    padding-top: 6px;
    background: #edf0f3;
    color: #1f4e86;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 8px;
    padding: 0 4px;
}
QGroupBox:disabled { color: #8d949c; }
QGroupBox QLabel { color: #1f2a36; }
QGroupBox QLabel:disabled { color: #8d949c; }
QLabel[readout="true"] {
    background: #0f151b;
    color: #74f28f;
    border: 1px solid #05080b;
    border-radius: 3px;
    padding: 3px 8px;
    font-family: "DejaVu Sans Mono", monospace;
    font-size: 11px;
}
QPushButton {
    min-height: 22px;
    padding: 2px 14px;
}
QPushButton[key="start"], QPushButton[key="stop"] {
    color: white;
    font-weight: bold;
    border: 1px solid #3a3f45;
    border-radius: 4px;
    min-width: 58px;
}
QPushButton[key="start"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4dbb5f, stop:1 #2b8a3b);
}
QPushButton[key="stop"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e2574c, stop:1 #a8271e);
}
QPushButton[key="start"]:pressed, QPushButton[key="stop"]:pressed { padding-top: 3px; }
QPushButton[key="start"]:disabled, QPushButton[key="stop"]:disabled {
    background: #b7bcc2;
    color: #eef0f2;
    border-color: #9aa0a7;
}
)";

const char* keyName(KeyRole role) {
    switch (role) {
    case KeyRole::Start:
        return "start";
    case KeyRole::Stop:
        return "stop";
    case KeyRole::Plain:
        break;
    }
    return "plain";
}

} // namespace

void ApplyPanelLook(QWidget* form) {
    form->setStyleSheet(QString::fromLatin1(kPanelStyle));
}

QPushButton* NewKey(QWidget* parent, const char* name, const QString& text, KeyRole role) {
    auto* key = new QPushButton(text, parent);
    key->setObjectName(name);
    key->setProperty("key", QString::fromLatin1(keyName(role)));
    key->setAutoDefault(false);
    return key;
}

QLabel* NewReadout(QWidget* parent, const char* name, const QString& text) {
    auto* readout = new QLabel(text, parent);
    readout->setObjectName(name);
    readout->setProperty("readout", true);
    readout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return readout;
}

void AddField(QGridLayout* grid, int row, int column, const QString& label, QWidget* control,
              const QString& unit, int span) {
    auto* caption = new QLabel(label, grid->parentWidget());
    caption->setBuddy(control);
    caption->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    grid->addWidget(caption, row, column);
    grid->addWidget(control, row, column + 1, 1, span);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit, grid->parentWidget()), row, column + 1 + span);
}

} // namespace doz::testpanels
