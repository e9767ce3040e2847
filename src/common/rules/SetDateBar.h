#pragma once

#include <QString>
#include <optional>

namespace vantir {

class Messages;

// The texts of the set-date bar's three two-character boxes (year, month, day).
struct SetDateBoxes {
    QString year;
    QString month;
    QString day;
    bool operator==(const SetDateBoxes&) const = default;
};

// What the screen does after a box of the set-date bar is left.
struct SetDateResult {
    enum class Action {
        None,        // the cursor goes where the user sent it; the set date stays
        StayInBox,   // the cursor goes back into the box; the set date stays
        NewSetDate,  // setDate and filter take effect, the cursor goes to the record's HYMD
    };

    Action action = Action::None;
    QString boxText;                   // the box as the rule leaves it ("5" becomes "05")
    bool cancelPendingChange = false;  // the user agreed to drop the pending change first
    QString setDate;                   // "yy/mm/dd" (NewSetDate)
    QString filter;                    // "HYMD = 'yy/mm/dd'" (NewSetDate)
};

// The set-date bar of the slip, receipt and payment entry: the date the day's records are
// filtered to and new records are dated with, assembled from three boxes when the day box
// is left. The slip entry asks Yes/No questions that send the user back to a box or let
// what was typed stand; the receipt and payment entry tell the user with notices and
// take only a day of 1 to 31 with a month of 1 to 12. Both put a "0" in front of a
// one-character box. The rule talks to the user through Messages.
class SetDateBar {
  public:
    enum class Checks { Slip, Cash };

    SetDateBar(Checks checks, Messages& messages);

    // Leaving the year or month box with what it holds.
    SetDateResult yearLeft(const QString& year);
    SetDateResult monthLeft(const QString& month);
    // Leaving the day box, with all three boxes as they stand. changePending: the record
    // being entered has a change not yet registered (slip entry only: it asks first).
    SetDateResult dayLeft(const SetDateBoxes& boxes, bool changePending);

    // The boxes filled from a picked date "yy/mm/dd" (its characters 1-2, 4-5, 7-8); that
    // date is then the set date. nullopt for empty text or text of another form.
    static std::optional<SetDateBoxes> boxesOfPickedDate(const QString& picked);

  private:
    SetDateResult slipPartLeft(const QString& text, const QString& caption,
                               const QString& emptyMessage);
    SetDateResult slipDayLeft(const SetDateBoxes& boxes, bool changePending);
    SetDateResult cashDayLeft(const SetDateBoxes& boxes);
    bool cashPartReadable(const QString& text, int highest);

    Checks checks_;
    Messages& messages_;
};

}  // namespace vantir
