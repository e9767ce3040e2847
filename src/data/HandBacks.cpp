#include "data/HandBacks.h"

namespace vantir {

void HandBacks::offer(const QString& modeName, HandBack kind, const void* owner,
                      Receiver receiver) {
    offers_[{modeName, kind}] = Offer{owner, std::move(receiver)};
}

void HandBacks::withdraw(const QString& modeName, const void* owner) {
    for (auto it = offers_.begin(); it != offers_.end();) {
        if (it->first.first == modeName && it->second.owner == owner) {
            it = offers_.erase(it);
        } else {
            ++it;
        }
    }
}

bool HandBacks::offers(const QString& modeName, HandBack kind) const {
    return offers_.contains({modeName, kind});
}

bool HandBacks::handBack(const QString& modeName, HandBack kind, const QString& value) const {
    const auto it = offers_.find({modeName, kind});
    if (it == offers_.end()) return false;
    // A copy: the receiver may open or release screens, and with them offers.
    const Receiver receiver = it->second.receiver;
    receiver(value);
    return true;
}

}  // namespace vantir
