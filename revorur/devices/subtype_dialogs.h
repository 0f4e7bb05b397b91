#pragma once
// The sub-type dialogs shown before a group card's test panel opens: "Sub Type:" with the
// group's sub-types (first one chosen, no free text) and "OK". Closing otherwise cancels.

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace doz::catalogue {
struct SubTypeGroup;
}

namespace doz::devices {

class TForm_SubType : public QDialog {
    Q_OBJECT
public:
    QLabel* Label_SubType;
    QComboBox* ComboBox_SubType;
    QPushButton* Button_OK;

    // The code of the chosen item (item k is the group's k-th code in dialog order).
    int ChosenCode() const;
    void Button_OKClick();

protected:
    TForm_SubType(QWidget* owner, int groupHead);

private:
    const catalogue::SubTypeGroup& group_;
};

class TForm_SubTypeA120 : public TForm_SubType {
    Q_OBJECT
public:
    explicit TForm_SubTypeA120(QWidget* owner = nullptr);
};

class TForm_SubTypeA130 : public TForm_SubType {
    Q_OBJECT
public:
    explicit TForm_SubTypeA130(QWidget* owner = nullptr);
};

class TForm_SubTypeM610 : public TForm_SubType {
    Q_OBJECT
public:
    explicit TForm_SubTypeM610(QWidget* owner = nullptr);
};

class TForm_SubTypeM640 : public TForm_SubType {
    Q_OBJECT
public:
    explicit TForm_SubTypeM640(QWidget* owner = nullptr);
};

class TForm_SubTypeM660 : public TForm_SubType {
    Q_OBJECT
public:
    explicit TForm_SubTypeM660(QWidget* owner = nullptr);
};

class TForm_SubTypeS720 : public TForm_SubType {
    Q_OBJECT
public:
    explicit TForm_SubTypeS720(QWidget* owner = nullptr);
};

// Shows the sub-type dialog of the group whose head is `groupHead`, modally through
// doz::ui::dialogs().runModal; placed beside the owner unless `placed` is false. The chosen
// item's code, or 0 when closed without OK (or for a head without a sub-type dialog).
int ChooseSubType(QWidget* owner, int groupHead, bool placed);

} // namespace doz::devices
