#pragma once

#include <functional>
#include <map>

namespace vantir {

// A list of callbacks (the datasets' AfterPost and friends). connect() returns an id
// that disconnect() takes; a listener that outlives the source must disconnect.
template <typename... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    int connect(Handler handler) {
        handlers_.emplace(++lastId_, std::move(handler));
        return lastId_;
    }
    void disconnect(int id) { handlers_.erase(id); }

    void operator()(Args... args) const {
        // Copy first: a handler may connect or disconnect while it runs.
        const auto handlers = handlers_;
        for (const auto& [id, handler] : handlers) handler(args...);
    }

private:
    std::map<int, Handler> handlers_;
    int lastId_ = 0;
};

}  // namespace vantir
