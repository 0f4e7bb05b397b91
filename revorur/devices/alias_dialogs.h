#pragma once
// The alias dialogs: "Device" (the card, read only), "Alias" (the new alias, at most 31 bytes of
// UTF-8), "OK" and "Cancel"; the group dialogs add "Sub Type" with the group's sub-types. The
// store changes only on OK.

#include "revorur/devices/alias_api.h"

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace doz::catalogue {
struct SubTypeGroup;
}

namespace doz::devices {

class TForm_DeviceAlias : public QDialog {
    Q_OBJECT
public:
    explicit TForm_DeviceAlias(QWidget* owner = nullptr);

    QGroupBox* GroupBox_Device;
    QLineEdit* Edit_Device;
    QGroupBox* GroupBox_Alias;
    QLineEdit* Edit_Alias;
    QPushButton* Button_OK;
    QPushButton* Button_Cancel;

    // The card the dialog names an alias for, set by the command that opens it.
    void SetCard(const AliasApi& api, const std::string& store, int typeCode, int cardNumber);
    // Edit: fills the dialog with the card's alias as the Alias tree shows it.
    virtual void ShowCardAlias();

    // Replaces the card's alias by the text (an empty text removes it) and closes; a rejected
    // text shows "Illegal Alias!" and leaves the dialog open with the old alias kept.
    void Button_OKClick();
    void Button_CancelClick();

protected:
    TForm_DeviceAlias(QWidget* owner, const QString& formName);
    // Every code the card's alias may be under; the code a new alias is stored under.
    virtual std::vector<int> CodesOfCard() const;
    virtual int CodeToStore() const;

    QVBoxLayout* boxes_;
    const AliasApi* api_ = nullptr;
    std::string store_;
    int typeCode_ = 0;
    int cardNumber_ = 0;
};

// A dialog of a sub-type group: item k of ComboBox1 stands for the group's k-th code.
class TForm_DeviceAliasGroup : public TForm_DeviceAlias {
    Q_OBJECT
public:
    QGroupBox* GroupBox_SubType;
    QComboBox* ComboBox1;

    // Also chooses the sub-type the alias was found under, so OK keeps it.
    void ShowCardAlias() override;

protected:
    TForm_DeviceAliasGroup(QWidget* owner, int groupHead, const QString& formName, bool preselectFirst);
    std::vector<int> CodesOfCard() const override;
    // The code of the item the box's text names, else the dialog's own type code.
    int CodeToStore() const override;

private:
    const catalogue::SubTypeGroup& group_;
};

class TForm_DeviceAlias_A120 : public TForm_DeviceAliasGroup {
    Q_OBJECT
public:
    explicit TForm_DeviceAlias_A120(QWidget* owner = nullptr);
};

class TForm_DeviceAlias_M610 : public TForm_DeviceAliasGroup {
    Q_OBJECT
public:
    explicit TForm_DeviceAlias_M610(QWidget* owner = nullptr);
};

class TForm_DeviceAlias_M640 : public TForm_DeviceAliasGroup {
    Q_OBJECT
public:
    explicit TForm_DeviceAlias_M640(QWidget* owner = nullptr);
};

class TForm_DeviceAlias_M660 : public TForm_DeviceAliasGroup {
    Q_OBJECT
public:
    explicit TForm_DeviceAlias_M660(QWidget* owner = nullptr);
};

class TForm_DeviceAlias_S720 : public TForm_DeviceAliasGroup {
    Q_OBJECT
public:
    explicit TForm_DeviceAlias_S720(QWidget* owner = nullptr);
};

enum class AliasCommand { Add, Edit };

// Opens the alias dialog of the type code's kind (caption "Add Alias"/"Edit Alias", Edit_Device =
// deviceText), runs it modally through doz::ui::dialogs().runModal, default position; the store
// changes only on OK.
void RunAliasDialog(QWidget* owner, const AliasApi& api, AliasCommand command, const QString& deviceText,
                    const std::string& store, int typeCode, int cardNumber);

} // namespace doz::devices
