#include "revorur/devices/alias_dialogs.h"

#include "common/ui/dialogs.h"
#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/catalogue/subtype_groups.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <memory>

namespace doz::devices {
namespace {

// Keeps a text within a number of bytes of UTF-8: what an edit would add beyond is cut from the
// characters just typed or pasted (those before the cursor), never from the rest of the text.
class Utf8LengthValidator : public QValidator {
public:
    Utf8LengthValidator(int maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}

    State validate(QString& input, int& pos) const override {
        while (input.toUtf8().size() > maxBytes_) {
            const int at = pos > 0 ? pos : static_cast<int>(input.size());
            const int width =
                at >= 2 && input[at - 1].isLowSurrogate() && input[at - 2].isHighSurrogate() ? 2 : 1;
            input.remove(at - width, width);
            if (pos > 0)
                pos -= width;
        }
        return Acceptable;
    }

private:
    int maxBytes_;
};

QGroupBox* boxAround(QWidget* control, const QString& title, QWidget* parent, const char* name) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(control);
    control->setAccessibleName(title);
    return box;
}

QString textOf(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct AliasForm {
    catalogue::AliasDialogKind kind;
    std::unique_ptr<TForm_DeviceAlias> (*make)(QWidget* owner);
};

template <typename Form> std::unique_ptr<TForm_DeviceAlias> make(QWidget* owner) {
    return std::make_unique<Form>(owner);
}

constexpr AliasForm kForms[] = {
    {catalogue::AliasDialogKind::Generic, make<TForm_DeviceAlias>},
    {catalogue::AliasDialogKind::A120, make<TForm_DeviceAlias_A120>},
    {catalogue::AliasDialogKind::M610, make<TForm_DeviceAlias_M610>},
    {catalogue::AliasDialogKind::M640, make<TForm_DeviceAlias_M640>},
    {catalogue::AliasDialogKind::M660, make<TForm_DeviceAlias_M660>},
    {catalogue::AliasDialogKind::S720, make<TForm_DeviceAlias_S720>},
};

std::unique_ptr<TForm_DeviceAlias> makeAliasDialog(QWidget* owner, int typeCode) {
    const catalogue::AliasDialogKind kind = catalogue::AliasDialogOfType(typeCode);
    const auto form = std::find_if(std::begin(kForms), std::end(kForms),
                                   [kind](const AliasForm& f) { return f.kind == kind; });
    return (form == std::end(kForms) ? kForms[0] : *form).make(owner);
}

} // namespace

TForm_DeviceAlias::TForm_DeviceAlias(QWidget* owner)
    : TForm_DeviceAlias(owner, QStringLiteral("Form_DeviceAlias")) {}

TForm_DeviceAlias::TForm_DeviceAlias(QWidget* owner, const QString& formName)
    : QDialog(owner), Edit_Device(new QLineEdit(this)), Edit_Alias(new QLineEdit(this)),
      Button_OK(new QPushButton(QStringLiteral("OK"), this)),
      Button_Cancel(new QPushButton(QStringLiteral("Cancel"), this)), boxes_(new QVBoxLayout) {
    setObjectName(formName);
    Edit_Device->setObjectName(QStringLiteral("Edit_Device"));
    Edit_Alias->setObjectName(QStringLiteral("Edit_Alias"));
    Button_OK->setObjectName(QStringLiteral("Button_OK"));
    Button_Cancel->setObjectName(QStringLiteral("Button_Cancel"));
    Edit_Device->setReadOnly(true);
    Edit_Device->setEnabled(false);
    Edit_Alias->setValidator(new Utf8LengthValidator(AliasMaxBytes, Edit_Alias));
    Button_OK->setDefault(true);
    GroupBox_Device = boxAround(Edit_Device, QStringLiteral("Device"), this, "GroupBox_Device");
    GroupBox_Alias = boxAround(Edit_Alias, QStringLiteral("Alias"), this, "GroupBox_Alias");

    boxes_->addWidget(GroupBox_Device);
    boxes_->addWidget(GroupBox_Alias);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button_OK);
    buttons->addWidget(Button_Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes_);
    layout->addLayout(buttons);
    connect(Button_OK, &QPushButton::clicked, this, [this] { Button_OKClick(); });
    connect(Button_Cancel, &QPushButton::clicked, this, [this] { Button_CancelClick(); });
}

void TForm_DeviceAlias::SetCard(const AliasApi& api, const std::string& store, int typeCode, int cardNumber) {
    api_ = &api;
    store_ = store;
    typeCode_ = typeCode;
    cardNumber_ = cardNumber;
}

void TForm_DeviceAlias::ShowCardAlias() {
    if (!api_)
        return;
    if (const auto alias = AliasOf(*api_, store_, typeCode_, cardNumber_))
        Edit_Alias->setText(QString::fromStdString(*alias));
}

void TForm_DeviceAlias::Button_OKClick() {
    if (!api_) {
        reject();
        return;
    }
    const std::vector<int> codes = CodesOfCard();
    const AliasChange change =
        ReplaceCardAlias(*api_, store_, codes, cardNumber_, Edit_Alias->text().toStdString(), CodeToStore());
    if (change == AliasChange::Rejected) {
        ui::dialogs().information(this, QGuiApplication::applicationDisplayName(),
                                  QStringLiteral("Illegal Alias!"));
        return;
    }
    accept();
}

void TForm_DeviceAlias::Button_CancelClick() {
    reject();
}

std::vector<int> TForm_DeviceAlias::CodesOfCard() const {
    return {typeCode_};
}

int TForm_DeviceAlias::CodeToStore() const {
    return typeCode_;
}

TForm_DeviceAliasGroup::TForm_DeviceAliasGroup(QWidget* owner, int groupHead, const QString& formName,
                                               bool preselectFirst)
    : TForm_DeviceAlias(owner, formName), ComboBox1(new QComboBox(this)),
      group_(*catalogue::SubTypeGroupOf(groupHead)) {
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (const catalogue::SubTypeItem& item : group_.aliasDialog)
        ComboBox1->addItem(textOf(item.label));
    ComboBox1->setCurrentIndex(preselectFirst ? 0 : -1);
    GroupBox_SubType = boxAround(ComboBox1, QStringLiteral("Sub Type"), this, "GroupBox_SubType");
    boxes_->addWidget(GroupBox_SubType);
}

void TForm_DeviceAliasGroup::ShowCardAlias() {
    if (!api_)
        return;
    const auto found = FindCardAlias(*api_, store_, typeCode_, cardNumber_);
    if (!found)
        return;
    Edit_Alias->setText(QString::fromStdString(found->alias));
    const auto items = group_.aliasDialog;
    const auto item = std::find_if(items.begin(), items.end(),
                                   [&](const catalogue::SubTypeItem& i) { return i.code == found->code; });
    if (item != items.end())
        ComboBox1->setCurrentIndex(static_cast<int>(item - items.begin()));
}

std::vector<int> TForm_DeviceAliasGroup::CodesOfCard() const {
    return AliasCodesOfCard(group_.head);
}

int TForm_DeviceAliasGroup::CodeToStore() const {
    const int index =
        ComboBox1->findText(ComboBox1->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 || static_cast<std::size_t>(index) >= group_.aliasDialog.size())
        return typeCode_;
    return group_.aliasDialog[static_cast<std::size_t>(index)].code;
}

TForm_DeviceAlias_A120::TForm_DeviceAlias_A120(QWidget* owner)
    : TForm_DeviceAliasGroup(owner, 10, QStringLiteral("Form_DeviceAlias_A120"), false) {}
TForm_DeviceAlias_M610::TForm_DeviceAlias_M610(QWidget* owner)
    : TForm_DeviceAliasGroup(owner, 330, QStringLiteral("Form_DeviceAlias_M610"), true) {}
TForm_DeviceAlias_M640::TForm_DeviceAlias_M640(QWidget* owner)
    : TForm_DeviceAliasGroup(owner, 370, QStringLiteral("Form_DeviceAlias_M640"), false) {}
TForm_DeviceAlias_M660::TForm_DeviceAlias_M660(QWidget* owner)
    : TForm_DeviceAliasGroup(owner, 420, QStringLiteral("Form_DeviceAlias_M660"), true) {}
TForm_DeviceAlias_S720::TForm_DeviceAlias_S720(QWidget* owner)
    : TForm_DeviceAliasGroup(owner, 470, QStringLiteral("Form_DeviceAlias_S720"), false) {}

void RunAliasDialog(QWidget* owner, const AliasApi& api, AliasCommand command, const QString& deviceText,
                    const std::string& store, int typeCode, int cardNumber) {
    const std::unique_ptr<TForm_DeviceAlias> dialog = makeAliasDialog(owner, typeCode);
    dialog->setWindowTitle(command == AliasCommand::Add ? QStringLiteral("Add Alias")
                                                        : QStringLiteral("Edit Alias"));
    dialog->Edit_Device->setText(deviceText);
    dialog->SetCard(api, store, typeCode, cardNumber);
    if (command == AliasCommand::Edit)
        dialog->ShowCardAlias();
    ui::dialogs().runModal(dialog.get());
}

} // namespace doz::devices
