#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/system/Messages.h"

namespace vantir {

// The messages of the running program: modal Qt message boxes over the screen that
// asks. A notice is an OK box, a question a Yes/No box with its caption, and an error
// from the database layer an error box with the engine's own text.
class QtMessages : public Messages {
  public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    void notice(const QString& text) override;
    bool question(const QString& text, const QString& caption) override;
    void error(const QString& text) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace vantir
