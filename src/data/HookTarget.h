#pragma once

#include <QString>

namespace vantir {

// What the record hooks of HIMAS3 and HITRAN1 may change on a screen. A screen that the
// hooks serve implements the part that concerns it and attaches itself to HookTargets
// under its mode name; the rest stays a no-op.
class HookTarget {
  public:
    virtual ~HookTarget() = default;

    // The partner master's new-record mark: "1" while a new partner is being entered, so
    // that posting can tell a new partner from a changed one.
    virtual QString newRecordMark() const { return {}; }
    virtual void setNewRecordMark(const QString& mark) { (void)mark; }

    // The slip screens' command keys. While a slip is being entered or changed only
    // "F1 登録" and "F9 取消" are enabled; once it is saved or cancelled only "F3 追加" and
    // "F12 削除" are.
    virtual void setSlipEditing(bool editing) { (void)editing; }
};

}  // namespace vantir
