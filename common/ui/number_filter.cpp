#include "common/ui/number_filter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace doz::ui {
namespace {

class NumberKeyFilter final : public QObject {
public:
    NumberKeyFilter(QLineEdit* edit, doz::platform::NumberBoxRule rule) : QObject(edit), rule_(rule) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        return !typesAllowedText(*static_cast<QKeyEvent*>(event));
    }

private:
    bool typesAllowedText(const QKeyEvent& key) const {
        constexpr auto shortcutModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        if (key.modifiers() & shortcutModifiers)
            return true;
        const QList<uint> typed = key.text().toUcs4();
        // Control characters other than backspace (Return, Escape, Delete) are no typing.
        const auto isTyping = [](uint c) {
            return c == doz::platform::kBackspaceKey || (c >= 0x20 && c != 0x7F);
        };
        return std::all_of(typed.begin(), typed.end(), [&](uint c) {
            return !isTyping(c) || doz::platform::acceptsKey(rule_, static_cast<char32_t>(c));
        });
    }

    doz::platform::NumberBoxRule rule_;
};

} // namespace

void installNumberFilter(QLineEdit* edit, doz::platform::NumberBoxRule rule) {
    edit->installEventFilter(new NumberKeyFilter(edit, rule));
}

} // namespace doz::ui
