// Screens created at start that are not built yet: each exists under its
// own name, in its place in the creation order, so that language files and
// the start-up find it, and says so when it is opened.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

class QDialog;

namespace cw::ui {

// A hidden window named `name` (object name and title).
QDialog* createPlaceholderScreen(const QString& name, QWidget* parent);

// Shows a placeholder for `name` modally and returns when it is closed.
void runScreenPlaceholder(QWidget* parent, const QString& name);

// Every screen created at start, in creation order.
class ScreenSet {
public:
    void add(QWidget* screen) { screens_.emplace_back(screen); }
    QWidget* find(const QString& name) const;
    template <typename T>
    T* get(const QString& name) const {
        return qobject_cast<T*>(find(name));
    }
    std::vector<QString> names() const;

private:
    std::vector<QPointer<QWidget>> screens_;
};

}  // namespace cw::ui
