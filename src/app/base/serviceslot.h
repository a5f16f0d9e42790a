#pragma once

#include <memory>

namespace vt::detail {

// Holds the current implementation of a replaceable service; an empty
// replacement brings back the real one.
template <typename T>
struct ServiceSlot {
    std::shared_ptr<T> current = std::make_shared<T>();
    void set(std::shared_ptr<T> replacement) {
        current = replacement ? std::move(replacement) : std::make_shared<T>();
    }
};

template <typename T>
ServiceSlot<T>& serviceSlot() {
    static ServiceSlot<T> slot;
    return slot;
}

}  // namespace vt::detail
