#include "accessible_controls.h"

#include "option_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

namespace hourvault {

namespace {

// A list as a combo box: its drop-down and its field as children, as Qt's own combo box has
// them, but its name is its own.
class AccessibleList final : public QAccessibleWidget {
public:
    explicit AccessibleList(OptionList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(kind);
    }

    [[nodiscard]] int childCount() const override { return 2; }

    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        switch (index) {
        case 0:
            return QAccessible::queryAccessibleInterface(list()->view());
        case 1:
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        default:
            return nullptr;
        }
    }

    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        if (child->object() == list()->view()) {
            return 0;
        }
        return child->object() == list()->lineEdit() ? 1 : -1;
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.editable = true;
        return state;
    }

    [[nodiscard]] QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) {
            list()->view()->isVisible() ? list()->hidePopup() : list()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    [[nodiscard]] OptionList* list() const { return static_cast<OptionList*>(widget()); }
};

// A read-only box: its text can be read and selected, but not changed.
class AccessibleReadOnlyBox final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleReadOnlyBox(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = *startOffset + int(box()->selectedText().size());
        }
    }
    [[nodiscard]] int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int /*selectionIndex*/) override { box()->deselect(); }
    void setSelection(int /*selectionIndex*/, int startOffset, int endOffset) override {
        box()->setSelection(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    [[nodiscard]] QString text(int startOffset, int endOffset) const override {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int characterCount() const override { return int(box()->text().size()); }
    [[nodiscard]] QRect characterRect(int offset) const override {
        const QFontMetrics metrics = box()->fontMetrics();
        const QRect area = box()->contentsRect();
        const int left = area.left() + metrics.horizontalAdvance(box()->text().left(offset));
        const int width = metrics.horizontalAdvance(box()->text().mid(offset, 1));
        return {box()->mapToGlobal(QPoint(left, area.top())), QSize(width, area.height())};
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = std::max(offset, characterCount());
        return {};
    }

private:
    [[nodiscard]] QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* makeAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("hourvault::OptionList")) {
        return new AccessibleList(static_cast<OptionList*>(object));
    }
    if (className == QLatin1String("QLineEdit")) {
        auto* box = static_cast<QLineEdit*>(object);
        return box->isReadOnly() ? new AccessibleReadOnlyBox(box) : nullptr;
    }
    return nullptr;
}

// The fields whose text events are held back, each with its text before.
std::vector<std::pair<QPointer<QLineEdit>, QString>> heldFields;
QAccessible::UpdateHandler usualHandler = nullptr;

void holdBackText(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    const bool text = type == QAccessible::TextUpdated || type == QAccessible::TextInserted ||
                      type == QAccessible::TextRemoved;
    if (text && std::any_of(heldFields.begin(), heldFields.end(),
                            [event](const auto& held) { return held.first == event->object(); })) {
        return;
    }
    // Everything else goes the usual way.
    QAccessible::installUpdateHandler(usualHandler);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(holdBackText);
}

void reportHeldText() {
    QAccessible::installUpdateHandler(usualHandler);
    for (const auto& [field, before] : std::exchange(heldFields, {})) {
        if (field && field->text() != before) {
            QAccessibleTextUpdateEvent change(field, 0, before, field->text());
            QAccessible::updateAccessibility(&change);
        }
    }
}

} // namespace

void installAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(makeAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

void holdTextEvents(QLineEdit& field) {
    if (!QAccessible::isActive()) {
        return;
    }
    if (heldFields.empty()) {
        usualHandler = QAccessible::installUpdateHandler(holdBackText);
        QTimer::singleShot(0, qApp, reportHeldText);
    }
    if (std::none_of(heldFields.begin(), heldFields.end(),
                     [&field](const auto& held) { return held.first == &field; })) {
        heldFields.emplace_back(&field, field.text());
    }
}

} // namespace hourvault
