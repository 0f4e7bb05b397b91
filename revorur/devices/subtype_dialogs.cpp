#include "revorur/devices/subtype_dialogs.h"

#include "common/ui/dialogs.h"
#include "revorur/devices/catalogue/subtype_groups.h"
#include "revorur/devices/panel_request.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace doz::devices {
namespace {

struct SubTypeForm {
    int head;
    const char* name;
    const char* caption;
    std::unique_ptr<TForm_SubType> (*make)(QWidget* owner);
};

template <typename Form> std::unique_ptr<TForm_SubType> make(QWidget* owner) {
    return std::make_unique<Form>(owner);
}

constexpr SubTypeForm kForms[] = {
    {10, "Form_SubTypeA120", "Form_SubTypeA120", make<TForm_SubTypeA120>},
    {40, "Form_SubTypeA130", "Form_SubTypeA130", make<TForm_SubTypeA130>},
    {330, "Form_SubTypeM610", "M610", make<TForm_SubTypeM610>},
    {370, "Form_SubTypeM640", "Select the sub type", make<TForm_SubTypeM640>},
    {420, "Form_SubTypeM660", "M660", make<TForm_SubTypeM660>},
    {470, "Form_SubTypeS720", "S710/S720", make<TForm_SubTypeS720>},
};

const SubTypeForm* formOf(int head) {
    const auto form = std::find_if(std::begin(kForms), std::end(kForms),
                                   [head](const SubTypeForm& f) { return f.head == head; });
    return form == std::end(kForms) ? nullptr : form;
}

} // namespace

TForm_SubType::TForm_SubType(QWidget* owner, int groupHead)
    : QDialog(owner), Label_SubType(new QLabel(QStringLiteral("Sub Type:"), this)),
      ComboBox_SubType(new QComboBox(this)), Button_OK(new QPushButton(QStringLiteral("OK"), this)),
      group_(*catalogue::SubTypeGroupOf(groupHead)) {
    const SubTypeForm& form = *formOf(groupHead);
    setObjectName(QString::fromLatin1(form.name));
    setWindowTitle(QString::fromLatin1(form.caption));
    Label_SubType->setObjectName(QStringLiteral("Label_SubType"));
    ComboBox_SubType->setObjectName(QStringLiteral("ComboBox_SubType"));
    Button_OK->setObjectName(QStringLiteral("Button_OK"));
    Label_SubType->setBuddy(ComboBox_SubType);
    ComboBox_SubType->setAccessibleName(Label_SubType->text());
    for (const catalogue::SubTypeItem& item : group_.dialog)
        ComboBox_SubType->addItem(
            QString::fromUtf8(item.label.data(), static_cast<qsizetype>(item.label.size())));
    ComboBox_SubType->setCurrentIndex(0);
    Button_OK->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(Label_SubType);
    row->addWidget(ComboBox_SubType, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(Button_OK, 0, Qt::AlignHCenter);
    connect(Button_OK, &QPushButton::clicked, this, [this] { Button_OKClick(); });
}

int TForm_SubType::ChosenCode() const {
    const int index = ComboBox_SubType->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= group_.dialog.size())
        return 0;
    return group_.dialog[static_cast<std::size_t>(index)].code;
}

void TForm_SubType::Button_OKClick() {
    accept();
}

TForm_SubTypeA120::TForm_SubTypeA120(QWidget* owner) : TForm_SubType(owner, 10) {}
TForm_SubTypeA130::TForm_SubTypeA130(QWidget* owner) : TForm_SubType(owner, 40) {}
TForm_SubTypeM610::TForm_SubTypeM610(QWidget* owner) : TForm_SubType(owner, 330) {}
TForm_SubTypeM640::TForm_SubTypeM640(QWidget* owner) : TForm_SubType(owner, 370) {}
TForm_SubTypeM660::TForm_SubTypeM660(QWidget* owner) : TForm_SubType(owner, 420) {}
TForm_SubTypeS720::TForm_SubTypeS720(QWidget* owner) : TForm_SubType(owner, 470) {}

int ChooseSubType(QWidget* owner, int groupHead, bool placed) {
    const SubTypeForm* form = formOf(groupHead);
    if (!form)
        return 0;
    const std::unique_ptr<TForm_SubType> dialog = form->make(owner);
    if (placed)
        PlaceBesideOwner(dialog.get(), owner);
    return ui::dialogs().runModal(dialog.get()) == QDialog::Accepted ? dialog->ChosenCode() : 0;
}

} // namespace doz::devices
