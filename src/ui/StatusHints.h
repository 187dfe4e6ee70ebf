// Hints in a window's status bar while a control has the focus, emptied
// when it loses it (the owner creation and bar setup windows).
#pragma once

#include <QHash>
#include <QObject>

class QStatusBar;
class QWidget;

namespace tavo::ui {

class StatusHints final : public QObject {
public:
    StatusHints(QStatusBar* bar, QObject* parent);
    void add(QWidget* control, const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QStatusBar* bar_;
    QHash<QObject*, QString> hints_;
};

} // namespace tavo::ui
