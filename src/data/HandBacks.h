#pragma once

#include <QString>
#include <functional>
#include <map>
#include <utility>

#include "data/HandBack.h"

namespace vantir {

// The values the screen open under a mode name takes from the search dialogs. A search
// does not know the screens it serves: on "確定" it looks the current mode name
// (EditPName) up here and hands its value to what that screen offered ("set the slip's
// customer code and put the cursor there"). A screen offers on creation and withdraws
// when it is released (HandBackOffers); the app owns the one registry.
class HandBacks {
  public:
    using Receiver = std::function<void(const QString& value)>;

    // The screen open under modeName takes values of this kind through receiver; owner
    // identifies the offer for withdraw.
    void offer(const QString& modeName, HandBack kind, const void* owner, Receiver receiver);
    // Withdraws owner's offers; an offer another screen made since under the same mode
    // stays.
    void withdraw(const QString& modeName, const void* owner);
    bool offers(const QString& modeName, HandBack kind) const;
    // Hands value to the screen under modeName. False, with nothing done, when it took
    // no such value (the search then only closes). The receiver may throw DbError.
    bool handBack(const QString& modeName, HandBack kind, const QString& value) const;

  private:
    struct Offer {
        const void* owner = nullptr;
        Receiver receiver;
    };
    std::map<std::pair<QString, HandBack>, Offer> offers_;
};

// The offers of one screen, withdrawn when it goes. A screen holds it as a member, so
// that the offers are withdrawn before its widgets are destroyed.
class HandBackOffers {
  public:
    HandBackOffers(HandBacks& handBacks, QString modeName)
        : handBacks_(handBacks), modeName_(std::move(modeName)) {}
    ~HandBackOffers() { handBacks_.withdraw(modeName_, this); }
    HandBackOffers(const HandBackOffers&) = delete;
    HandBackOffers& operator=(const HandBackOffers&) = delete;

    void offer(HandBack kind, HandBacks::Receiver receiver) {
        handBacks_.offer(modeName_, kind, this, std::move(receiver));
    }

  private:
    HandBacks& handBacks_;
    QString modeName_;
};

}  // namespace vantir
