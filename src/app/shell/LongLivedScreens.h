#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace vantir {

struct ScreenContext;

// The screens made once at start and kept for the whole run: the searches, the About box,
// the compaction and data switch screens. They are only shown and hidden, never released
// by a menu command, and go with the main window at the end.
class LongLivedScreens {
  public:
    using Factory = std::function<std::unique_ptr<QWidget>(const ScreenContext&)>;

    // Plugs in a screen to be made under name at start ("AboutBox", "Compaction").
    void registerScreen(const QString& name, Factory factory);
    // Makes every registered screen that is not made yet, parented to the main window.
    void createAll(const ScreenContext& context);
    // The screen made under name; nullptr when none is.
    QWidget* find(const QString& name) const { return screens_.value(name); }
    // Shows it and brings it to the front; false when there is none to show.
    bool show(const QString& name) const;

  private:
    QList<QPair<QString, Factory>> factories_;
    QHash<QString, QPointer<QWidget>> screens_;
};

}  // namespace vantir
