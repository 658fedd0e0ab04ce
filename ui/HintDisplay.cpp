#include "ui/HintDisplay.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QWidget>

HintDisplay::HintDisplay(QObject* parent) : QObject(parent) {}

void HintDisplay::WatchWindow(QWidget* window) {
    window_ = window;
    // Enter and leave events of every child (cell editors come and go) pass
    // the application, so one filter there sees them all.
    qApp->installEventFilter(this);
}

void HintDisplay::WatchMenu(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this] { Change(QString()); });
    connect(menu, &QMenu::aboutToHide, this, [this] { Change(QString()); });
    connect(menu, &QMenu::hovered, this,
            [this](QAction* action) { Change(action->property(kHintProperty).toString()); });
}

QString HintDisplay::HintOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const QString hint = w->property(kHintProperty).toString();
        if (!hint.isEmpty()) {
            return hint;
        }
        if (w->isWindow()) {
            break;
        }
    }
    return QString();
}

void HintDisplay::SetHint(QObject* control, const QString& hint) {
    control->setProperty(kHintProperty, hint);
}

bool HintDisplay::InWindow(const QObject* object) const {
    if (window_ == nullptr || !object->isWidgetType()) {
        return false;
    }
    const auto* widget = static_cast<const QWidget*>(object);
    return widget == window_ || window_->isAncestorOf(widget);
}

bool HintDisplay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
            if (InWindow(watched) && QApplication::activePopupWidget() == nullptr) {
                Change(HintOf(static_cast<QWidget*>(watched)));
            } else if (qobject_cast<QMenu*>(watched) != nullptr) {
                Change(QString());  // an open menu with no entry highlighted
            }
            break;
        case QEvent::Leave:
            // While a menu is open only its entries speak: the window's
            // controls lose the pointer to the menu as it opens.
            if (InWindow(watched) && QApplication::activePopupWidget() == nullptr) {
                // The pointer is back over the container; a control entered
                // next announces itself with its own Enter.
                const auto* widget = static_cast<QWidget*>(watched);
                Change(widget->isWindow() ? QString() : HintOf(widget->parentWidget()));
            } else if (qobject_cast<QMenu*>(watched) != nullptr) {
                Change(QString());
            }
            break;
        case QEvent::ToolTip:
        case QEvent::WhatsThis:
            if (InWindow(watched)) {
                return true;  // hints appear only in the status line
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void HintDisplay::Change(const QString& hint) {
    if (hint == hint_) {
        return;
    }
    hint_ = hint;
    emit HintChanged(hint_);
}
