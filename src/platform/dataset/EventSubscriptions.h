#pragma once

#include <functional>
#include <vector>

#include "platform/dataset/Event.h"

namespace vantir {

// The dataset events a listener follows (a widget, a screen's rules), disconnected when
// the listener goes. The data modules outlive every screen, so nothing of a screen may
// leave a handler behind on a shared dataset.
class EventSubscriptions {
  public:
    EventSubscriptions() = default;
    ~EventSubscriptions() { clear(); }
    EventSubscriptions(const EventSubscriptions&) = delete;
    EventSubscriptions& operator=(const EventSubscriptions&) = delete;

    template <typename... Args>
    void add(Event<Args...>& event, typename Event<Args...>::Handler handler) {
        const int id = event.connect(std::move(handler));
        disconnects_.push_back([&event, id] { event.disconnect(id); });
    }

    void clear() {
        for (auto& disconnect : disconnects_) disconnect();
        disconnects_.clear();
    }

  private:
    std::vector<std::function<void()>> disconnects_;
};

}  // namespace vantir
